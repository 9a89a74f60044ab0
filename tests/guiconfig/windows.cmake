# The generated windows on real widgets against the simulator.
if(TARGET guiconfig AND TARGET panel_testsupport)
    trv_add_test(tst_configlayout SOURCES tst_configlayout.cpp
                 LIBS guiconfig panel_testsupport LABELS gui)
endif()
