#include "formats/codecs/SndfileNames.h"

#include <sndfile.h>

#include <array>
#include <cstdio>
#include <utility>

namespace jorv {

namespace {

using Name = std::pair<int, const char*>;

constexpr std::array Majors = {
    Name{SF_FORMAT_WAV, "WAV"},   Name{SF_FORMAT_AIFF, "AIFF"}, Name{SF_FORMAT_AU, "AU"},     Name{SF_FORMAT_RAW, "RAW"},
    Name{SF_FORMAT_W64, "W64"},   Name{SF_FORMAT_WAVEX, "WAVEX"}, Name{SF_FORMAT_FLAC, "FLAC"}, Name{SF_FORMAT_CAF, "CAF"},
    Name{SF_FORMAT_OGG, "OGG"},   Name{SF_FORMAT_RF64, "RF64"}, Name{SF_FORMAT_MPEG, "MPEG"}, Name{SF_FORMAT_NIST, "NIST"},
    Name{SF_FORMAT_VOC, "VOC"},   Name{SF_FORMAT_IRCAM, "IRCAM"}, Name{SF_FORMAT_SVX, "SVX"}, Name{SF_FORMAT_PAF, "PAF"},
};

constexpr std::array Subtypes = {
    Name{SF_FORMAT_PCM_S8, "PCM_S8"},     Name{SF_FORMAT_PCM_16, "PCM_16"},   Name{SF_FORMAT_PCM_24, "PCM_24"},
    Name{SF_FORMAT_PCM_32, "PCM_32"},     Name{SF_FORMAT_PCM_U8, "PCM_U8"},   Name{SF_FORMAT_FLOAT, "FLOAT"},
    Name{SF_FORMAT_DOUBLE, "DOUBLE"},     Name{SF_FORMAT_ULAW, "ULAW"},       Name{SF_FORMAT_ALAW, "ALAW"},
    Name{SF_FORMAT_IMA_ADPCM, "IMA_ADPCM"}, Name{SF_FORMAT_MS_ADPCM, "MS_ADPCM"}, Name{SF_FORMAT_GSM610, "GSM610"},
    Name{SF_FORMAT_VORBIS, "VORBIS"},     Name{SF_FORMAT_OPUS, "OPUS"},       Name{SF_FORMAT_ALAC_16, "ALAC_16"},
    Name{SF_FORMAT_ALAC_24, "ALAC_24"},   Name{SF_FORMAT_MPEG_LAYER_I, "MPEG_LAYER_I"},
    Name{SF_FORMAT_MPEG_LAYER_II, "MPEG_LAYER_II"}, Name{SF_FORMAT_MPEG_LAYER_III, "MPEG_LAYER_III"},
};

template <std::size_t N>
std::string NameIn(const std::array<Name, N>& names, int value) {
    for (const auto& [known, name] : names)
        if (known == value) return name;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", unsigned(value));
    return hex;
}

}  // namespace

std::string SndfileFormatName(int format) {
    return NameIn(Majors, format & SF_FORMAT_TYPEMASK) + " " + NameIn(Subtypes, format & SF_FORMAT_SUBMASK);
}

bool AtMostSixteenBits(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_ALAC_16:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW: return true;
    default: return false;
    }
}

}  // namespace jorv
