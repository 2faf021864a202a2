# Bash completion of jorv-cli: its commands, each command's options, and file names where a
# command takes a file. The commands and the words each one takes are read from the usage text
# that jorv-cli prints when run without a command, so the completion follows the program.

# Offers the words that fit the argument a placeholder of the usage stands for: option is the
# option it follows (nothing for a positional argument), placeholder its name in the usage.
_jorv_cli_complete_argument()
{
    local option=$1 placeholder=$2 cur=$3
    case "$option:$placeholder" in
        --api:*) mapfile -t COMPREPLY < <(compgen -W "jack pulse alsa" -- "$cur") ;;
        *:OP) mapfile -t COMPREPLY < <(compgen -W "cut copy paste merge ring negate" -- "$cur") ;;
        *:FILE | *:IN | *:OUT | *:PROJECT | *:PATTERNS | *:EVENTS | *:CLIP | *:LIST | *:SOURCE)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            ;;
    esac
}

_jorv_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    local usage
    usage=$("$1" 2>&1 >/dev/null) # the usage goes to standard error
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$(awk '$1 == "jorv-cli" { print $2 }' <<<"$usage")" -- "$cur")
        return
    fi

    # The command's words in the usage, such as: IN OUT [--clip FILE] [--mute]
    local -a words positionals=()
    local -A value_of=() # value options and the placeholder of their value
    local options="--yes" word i
    read -r -a words < <(awk -v name="${COMP_WORDS[1]}" '$1 == "jorv-cli" && $2 == name { $1 = $2 = ""; print }' <<<"$usage")
    for ((i = 0; i < ${#words[@]}; i++)); do
        word=${words[i]//[\[\]]/}
        if [[ $word != --* ]]; then
            positionals+=("$word")
            continue
        fi
        options+=" $word"
        if [[ ${words[i]} != *']' ]]; then
            value_of[$word]=${words[i + 1]//[\[\]]/}
            ((++i))
        fi
    done

    if [[ -n $prev && -n ${value_of[$prev]-} ]]; then
        _jorv_cli_complete_argument "$prev" "${value_of[$prev]}" "$cur"
    elif [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    else
        # Which positional argument this is: the words so far, less the options and their values.
        local position=0
        for ((i = 2; i < COMP_CWORD; i++)); do
            word=${COMP_WORDS[i]}
            if [[ -n $word && -n ${value_of[$word]-} ]]; then
                ((++i))
            elif [[ $word != --* ]]; then
                ((++position))
            fi
        done
        _jorv_cli_complete_argument "" "${positionals[position]-}" "$cur"
    fi
}

complete -F _jorv_cli jorv-cli
