# What a new user meets on the command line: usage, help, checks of panel.cfg files, loader and write
# failures, each a clear answer with the right exit status and nothing half written.
set(host $<TARGET_FILE:gauge-host>)
set(modules --modules|${CMAKE_BINARY_DIR}/modules)
set(panels ${CMAKE_CURRENT_SOURCE_DIR}/panels)
set(work ${CMAKE_CURRENT_BINARY_DIR}/toolkit)
file(MAKE_DIRECTORY ${work})

# expect_cli(NAME RC COMMAND-WORDS [OUT regex] [ERR regex] [more -D settings...])
function(expect_cli name rc command)
  cmake_parse_arguments(X "" "OUT;ERR" "DEFINE" ${ARGN})
  set(args -DCOMMAND=${command} -DRC=${rc})
  if(DEFINED X_OUT)
    list(APPEND args "-DOUT=${X_OUT}")
  endif()
  if(DEFINED X_ERR)
    list(APPEND args "-DERR=${X_ERR}")
  endif()
  foreach(d ${X_DEFINE})
    list(APPEND args "-D${d}")
  endforeach()
  add_test(NAME cli_${name} COMMAND ${CMAKE_COMMAND} ${args} -P ${CMAKE_CURRENT_SOURCE_DIR}/expect.cmake)
  set_tests_properties(cli_${name} PROPERTIES TIMEOUT 60)
endfunction()

# Usage and help
expect_cli(no_arguments 2 "${host}" ERR "^usage:\n  gauge-host list" DEFINE NO_OUT=1 WORKDIR=${work}/empty EMPTY_DIR=1)
expect_cli(tool_help 0 "${host}|--help" OUT "^usage:\n.*gauge-host check PANEL.CFG")
foreach(verb list check render panel catalogue run demo reference help)
  expect_cli(help_${verb} 0 "${host}|${verb}|--help" OUT "^usage: gauge-host ${verb} ")
endforeach()
expect_cli(help_verb 0 "${host}|help|check" OUT "^usage: gauge-host check PANEL.CFG")
expect_cli(unknown_command 2 "${host}|lst" ERR "unknown command 'lst'; did you mean list\\?")
expect_cli(unknown_option 2 "${host}|render|Tolvane|Tolvane|--sacle|2|-o|x.png|${modules}"
           ERR "unknown option '--sacle'; did you mean --scale\\?\nusage: gauge-host render")
expect_cli(set_unknown_name 2 "${host}|render|Tolvane|Tolvane|--set|stall_warnin=1|-o|x.png|${modules}"
           ERR "did you mean stall_warning\\?")
expect_cli(out_without_folder 2 "${host}|run|x.scn|--out" ERR "--out needs a folder")

# Loader errors name the cause and the modules found
expect_cli(module_misspelt 1 "${host}|list|Norvak_Inst|${modules}"
           ERR "cannot load module '.*Norvak_Inst.so': there is no such file; the modules in '.*' are .*Norvak_Instr.*\\(did you mean Norvak_Instr\\?\\)"
           DEFINE NO_OUT=1)
file(WRITE ${work}/notes.so "not a module\n")
expect_cli(module_not_a_module 1 "${host}|list|${work}/notes.so" ERR "it is not a module: neither a Windows DLL nor a Linux shared object")
file(WRITE ${work}/Fake_Instr.gau "MZ a Windows module starts so\n")
expect_cli(module_of_windows 1 "${host}|list|${work}/Fake_Instr.gau" ERR "it is a Windows module \\(.gau\\): this gauge-host is the Linux build")

# Write failures name the path and the reason; nothing is started that cannot be finished
file(WRITE ${work}/a_file "")
expect_cli(catalogue_into_a_file 1 "${host}|catalogue|Tolvane|--out|${work}/a_file/catalogue|${modules}"
           ERR "gauge-host catalogue: cannot make the folder '.*a_file/catalogue': Not a directory" DEFINE NO_OUT=1)
expect_cli(render_into_no_folder 1 "${host}|render|Tolvane|Tolvane|-o|${work}/no/such/x.png|${modules}"
           ERR "cannot write picture '.*no/such/x.png': No such file or directory")
expect_cli(reference_into_no_folder 1 "${host}|reference|Tolvane|-o|${work}/no/such/parameters.md|${modules}"
           ERR "cannot write '.*no/such/parameters.md': No such file or directory")

# Scenarios
file(WRITE ${work}/empty.scn "# nothing but a comment\n\n")
expect_cli(empty_scenario 1 "${host}|run|${work}/empty.scn|${modules}" ERR "empty.scn: the scenario holds no commands")
file(WRITE ${work}/names.scn "module Tolvane\ngauge Tolvane\nset stall_warning 1\nframes 1\nexpect token stall_warning 1\n")
expect_cli(scenario_names 0 "${host}|run|${work}/names.scn|${modules}" OUT "set 0x43 \\(stall_warning\\) = 1.*done: all expectations met")

# check: every mistake of a realistic broken panel in one run
expect_cli(check_broken_panel 1 "${host}|check|${panels}/broken_attack_panel.cfg|${modules}"
           OUT ":7: error: background bitmap 'main_panel.bmp' is not in the panel's folder.*:10: error: unknown module 'Stelvar_Inst': did you mean Stelvar_Instr\\?.*:11: error: module Stelvar_Instr has no gauge 'Radio_Nav2': did you mean Radio_NAV2.*:12: error: .*'tcompass'.*:12: error: .*'compass' is no window name.*did you mean COMPASS_PANEL\\?.*:13: error: .*'tbravo'.*green 255.*:14: error: .*lies wholly outside.*:15: warning: 'gauge03' is given again.*keeps the first.*:16: error: width -19 is negative.*:17: error: .*'o' is followed by a blank.*:18: error: .*f must be the last option.*:19: warning: gauge09 is missing.*:22: error: size_mm width 100000 is larger than 8192.*:23: error: width 100000 is larger than 8192.*:25: warning: \\[VCockpit01\\] has no gauges.*broken_attack_panel.cfg: 13 error\\(s\\), 4 warning\\(s\\)")
expect_cli(check_examples 0 "${host}|check|${PROJECT_SOURCE_DIR}/examples/water_bomber_panel.cfg|${PROJECT_SOURCE_DIR}/examples/attack_aircraft_panel.cfg|${modules}"
           OUT "water_bomber_panel.cfg: no problems found \\(1 window\\(s\\), 12 gauge\\(s\\)\\)\n.*attack_aircraft_panel.cfg: no problems found \\(2 window\\(s\\), 22 gauge\\(s\\)\\)")
expect_cli(check_missing_file 1 "${host}|check|${work}/none.cfg|${modules}" OUT "none.cfg: error: cannot read the file: No such file or directory")

# panel: checks first, draws nothing on errors, says why no picture
expect_cli(panel_empty 1 "${host}|panel|${panels}/empty.cfg|-o|${work}/empty.png|${modules}"
           ERR "empty.cfg: error: the file is empty.*nothing is drawn" DEFINE NO_FILE=${work}/empty.png)
expect_cli(panel_cockpit_only 1 "${host}|panel|${panels}/cockpit_only.cfg|-o|${work}/cockpit.png|${modules}"
           ERR "\\[VCockpit01\\] has no gauges.*no picture was written" DEFINE NO_FILE=${work}/cockpit.png)
expect_cli(panel_broken 1 "${host}|panel|${panels}/broken_attack_panel.cfg|-o|${work}/broken.png|${modules}"
           ERR "13 error\\(s\\), 4 warning\\(s\\)\ngauge-host panel: .*broken_attack_panel.cfg has errors" DEFINE NO_FILE=${work}/broken.png)
expect_cli(panel_long_line 1 "${host}|panel|${panels}/long_line.cfg|-o|${work}/long.png|${modules}"
           ERR "\\(10000 characters, the first 200 shown\\)" DEFINE LONGEST=400)
expect_cli(panel_too_large_a_picture 2 "${host}|panel|${panels}/large.cfg|-o|${work}/large.png|--scale|16|${modules}"
           ERR "8000x8000 px, which at --scale 16 makes a picture larger than gauge-host draws.*use --scale 1.02 or less"
           DEFINE NO_FILE=${work}/large.png)
expect_cli(panel_examples 0 "${host}|panel|${PROJECT_SOURCE_DIR}/examples/attack_aircraft_panel.cfg|-o|${work}/attack.png|${modules}"
           OUT "Window00 \"Main Panel\": 13 gauge\\(s\\) -> .*attack_Window00.png \\(800x420 px\\)\nWindow01 \"Lights\": 9 gauge\\(s\\)")

# The generated docs are current (the modules in the order of modules.txt, as scripts/update-docs.sh)
get_property(shipped GLOBAL PROPERTY GAUGE_MODULES)
string(REPLACE ";" "|" shipped "${shipped}")
add_test(NAME cli_docs_current
         COMMAND ${CMAKE_COMMAND} -DHOST=${host} -DMODULES=${CMAKE_BINARY_DIR}/modules -DSOURCE=${PROJECT_SOURCE_DIR}
                 "-DSHIPPED=${shipped}"
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/docs_current.cmake)

# The gauge reference found by running the gauges
expect_cli(list_reads_and_sends 0 "${host}|list|Norvak_Instr|${modules}"
           OUT " 29  Airspeed +300x300 +100 +800 .* none\n +reads: airspeed \\(0x3D\\)\n +sends: nothing\n.* 64  Water_System .*MinSAlt MaxSAlt MinSSpd MaxSSpd ScoopSpd DumpSpd\n +reads: drop_command \\(0xF\\).*radio_height \\(0x266\\).*\"\\(A:SURFACE TYPE,Enum\\)\"\n +sends: when connected: water_connect_1 \\(0x101AA\\), water_connect_2 \\(0x103DB\\).*on a click: scoop \\(0x103B2\\)\nmodule Norvak_Instr: id 0x13, version 0x900, 64 gauge\\(s\\)")
expect_cli(list_one_gauge 0 "${host}|list|Stelvar_Instr|Compass_Toggle|${modules}"
           OUT "o c t p a b h\n +reads: nothing\n +sends: on a click: toggles window 0 \\(MAIN_PANEL\\) through the host; by its parameter text also when installed: window_close \\(0x103CC\\); on a click: .*view_home.*\nmouse rectangles.*  2  child +box 3,3 13x13  left clicks")
expect_cli(list_no_such_gauge 1 "${host}|list|Stelvar_Instr|Airspeed|${modules}" ERR "has no gauge 'Airspeed' \\(it has: Registration, " DEFINE NO_OUT=1)
string(REPEAT "z" 3000 long_word)
file(WRITE ${work}/long_line.scn "set ${long_word} 1\n")
expect_cli(scenario_long_line 1 "${host}|run|${work}/long_line.scn|${modules}"
           ERR "long_line.scn:1: bad token 'zzzz.*' \\(3000 characters, the first 200 shown\\)" DEFINE LONGEST=400)
