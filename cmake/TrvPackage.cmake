# The installed layout and the Debian package (cmake --build build --target
# package), prefix /usr:
#   bin/trv8170ql                 link to the module in the program directory
#   bin/trv8170ql-connect         the connect window, or for a switch named on its
#                                 command line: writes its configuration file,
#                                 checks that it answers, starts the module
#   bin/trv8170ql-config          link to the saved-settings program (save, diff,
#                                 restore) in the program directory
#   bin/trvsim                    the switch simulator, its data in share/trvsim
#   lib/trv8170ql/                the module, the connect program
#                                 trv8170ql-connect-window, mibviews under its
#                                 six family names, the help file and the help
#                                 pages (links)
#   share/trv8170ql/TRV8170Q.HLP  the help file, named by the settings store
#   share/trv8170ql/help/         the help pages
#   share/trv8170ql/errmsg/       the built-in message catalogues as files
#                                 (those whose messages are one line each)
#   /etc/trv8170ql/registry.ini   the default settings store, a conffile
#   share/applications, share/icons/hicolor/scalable/apps: desktop entry, icon
#   share/man/man1, share/doc/trv8170ql: manual pages, copyright, changelog
if(NOT TARGET trv8170ql OR NOT TARGET mibviews OR NOT TARGET trvsim
   OR NOT TARGET trv8170ql-connect-window OR NOT TARGET trv8170ql-config)
    message(STATUS "package: needs the module, the connect program, the view programs and the simulator")
    return()
endif()

set(TRV_FAMILIES MIB IFMib EthernetLike Rmon Bridge Layer3)
set(src ${CMAKE_SOURCE_DIR}/packaging)
set(stage ${CMAKE_BINARY_DIR}/package-stage)
file(MAKE_DIRECTORY ${stage})

# Links are made here and installed as links; relative, so the tree works
# wherever it is unpacked.
file(CREATE_LINK ../${TRV_PROGRAM_SUBDIR}/trv8170ql ${stage}/trv8170ql SYMBOLIC)
file(CREATE_LINK ../${TRV_PROGRAM_SUBDIR}/trv8170ql-config ${stage}/trv8170ql-config SYMBOLIC)
file(CREATE_LINK ../../share/trv8170ql/TRV8170Q.HLP ${stage}/trv8170ql.hlp SYMBOLIC)
file(CREATE_LINK ../../share/trv8170ql/help ${stage}/help SYMBOLIC)
set(family_links)
foreach(family ${TRV_FAMILIES})
    file(CREATE_LINK mibviews ${stage}/${family} SYMBOLIC)
    list(APPEND family_links ${stage}/${family})
endforeach()
configure_file(${src}/registry.ini.in ${stage}/registry.ini @ONLY)
file(WRITE ${stage}/conffiles "/etc/trv8170ql/registry.ini\n")
# Compressed without a time stamp, so the package is the same on every build.
set(manuals)
foreach(text changelog man/trv8170ql.1 man/trv8170ql-connect.1 man/trv8170ql-config.1 man/trvsim.1)
    get_filename_component(name ${text} NAME)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src}/${text})
    execute_process(COMMAND gzip -n -9 -c ${src}/${text} OUTPUT_FILE ${stage}/${name}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
    if(name MATCHES "[.]1$")
        list(APPEND manuals ${stage}/${name}.gz)
    endif()
endforeach()

# The catalogue files are written from the module's own tables.
add_executable(write_catalogues ${src}/write_catalogues.cpp)
target_link_libraries(write_catalogues PRIVATE trv_options snmpengine platform)
set_target_properties(write_catalogues PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)
add_custom_command(OUTPUT ${stage}/errmsg.stamp
    COMMAND write_catalogues ${stage}
    COMMAND ${CMAKE_COMMAND} -E touch ${stage}/errmsg.stamp
    DEPENDS write_catalogues
    COMMENT "Writing the message catalogue files")
add_custom_target(catalogue_files ALL DEPENDS ${stage}/errmsg.stamp)

# The wrapper works from the build tree too: it starts the module beside it.
configure_file(${src}/trv8170ql-connect ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/trv8170ql-connect COPYONLY)

install(TARGETS trv8170ql trv8170ql-connect-window trv8170ql-config mibviews
        RUNTIME DESTINATION ${TRV_PROGRAM_SUBDIR})
install(FILES ${family_links} ${stage}/trv8170ql.hlp ${stage}/help DESTINATION ${TRV_PROGRAM_SUBDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/trv8170ql.hlp DESTINATION share/trv8170ql
        RENAME TRV8170Q.HLP)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/help/ DESTINATION share/trv8170ql/help
        FILES_MATCHING PATTERN "*.html")
install(DIRECTORY ${stage}/errmsg DESTINATION share/trv8170ql)
install(TARGETS trvsim RUNTIME DESTINATION bin)
install(FILES ${stage}/trv8170ql ${stage}/trv8170ql-config DESTINATION bin)
install(PROGRAMS ${src}/trv8170ql-connect DESTINATION bin)
file(GLOB trvsim_data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/simulator/data/*.sim)
install(FILES ${trvsim_data} DESTINATION share/trvsim)
install(FILES ${stage}/registry.ini DESTINATION /etc/trv8170ql)
install(FILES ${src}/trv8170ql.desktop DESTINATION share/applications)
install(FILES ${src}/trv8170ql.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${src}/copyright ${stage}/changelog.gz DESTINATION share/doc/trv8170ql)
install(FILES ${manuals} DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trv8170ql)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "TRV-8170QL module maintainers <maintainers@trv8170ql.example.org>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[management module for TRV-8170QL switch stacks
Shows the front panel of every unit of a TRV-8170QL switch stack with live
port LEDs and offers the windows that read and write the switch's settings
over SNMP v1, v2c and v3, and the standard MIB views with rates and charts.
trv8170ql-connect opens a window that names a switch, checks that its agent
answers, remembers it (secrets only in the desktop keyring, when asked) and
starts the module; the switch simulator trvsim stands in for a stack.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt and Net-SNMP runtime packages, from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${stage}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
