# Run by CPack on the package it made. CPack gives a package maintainer scripts that run ldconfig when it
# holds a shared library anywhere below /usr/lib; but the explorer's library is its own, bound by its path
# from the program folder, where ldconfig never looks. The scripts would do nothing but keep a removed
# package in dpkg's records ("rc") until it is purged, so they are taken out again.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(unpacked ${deb}.unpacked)
    file(REMOVE_RECURSE ${unpacked})
    execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${unpacked}/DEBIAN/postinst ${unpacked}/DEBIAN/postrm)
    # Unpacked without root, the files take the umask; nothing in the package is writable but by its owner.
    execute_process(COMMAND chmod -R go-w ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${unpacked} ${deb} OUTPUT_QUIET
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${unpacked})
endforeach()
