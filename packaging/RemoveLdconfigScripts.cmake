# Run by CPack after it made the package. CPack gives any package holding a shared object under
# /usr/lib a postinst and a postrm that run ldconfig. Jorv's are modules of its own, found through
# the programs' run path, which ldconfig has no business with, and Jorv needs no maintainer
# scripts otherwise: the package is built again without them.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${package}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
  execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
