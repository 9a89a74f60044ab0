# The generated windows on real widgets, alone and against the simulator.
if(TARGET guiconfig AND TARGET panel_testsupport)
    trv_add_test(tst_configlayout SOURCES tst_configlayout.cpp
                 LIBS guiconfig panel_testsupport LABELS gui)
    trv_add_test(tst_configactions SOURCES tst_configactions.cpp
                 LIBS guiconfig panel_testsupport guiconfig_testsupport LABELS gui sim)
    trv_add_test(tst_catalogue_windows SOURCES tst_catalogue_windows.cpp
                 LIBS guiconfig panel_testsupport guiconfig_testsupport LABELS gui sim)
endif()
