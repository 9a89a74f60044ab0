# The generated windows on real widgets, alone and against the simulator.
if(TARGET guiconfig AND TARGET panel_testsupport)
    add_library(guiconfig_windowsupport STATIC MenuActions.cpp MenuActions.h WindowWaits.cpp WindowWaits.h)
    target_include_directories(guiconfig_windowsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(guiconfig_windowsupport PUBLIC guiconfig)

    trv_add_test(tst_configlayout SOURCES tst_configlayout.cpp
                 LIBS guiconfig panel_testsupport LABELS gui)
    trv_add_test(tst_configactions SOURCES tst_configactions.cpp
                 LIBS guiconfig_windowsupport panel_testsupport guiconfig_testsupport journal_core
                 LABELS gui sim)
    trv_add_test(tst_catalogue_windows SOURCES tst_catalogue_windows.cpp
                 LIBS guiconfig_windowsupport panel_testsupport guiconfig_testsupport LABELS gui sim)
endif()
