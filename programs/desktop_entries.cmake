# Run by cmake --install: writes each program's desktop entry from its
# template with Exec= the installed program's full path (under the install's
# own prefix, not DESTDIR, which only stages the files) and installs it into
# share/applications/, listed in install_manifest.txt like every other file.
# Set by the install: LESSONS_BINDIR, LESSONS_DATADIR (relative to the
# prefix, or absolute), LESSONS_ENTRIES (the templates), LESSONS_STAGE.

# A directory of the install, absolute.
function(lessons_install_dir dir out)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# A path as the Exec key takes it: quoted where it holds a character the
# key reserves, with the escapes of a quoted argument and then of a string
# value; a percent sign doubled.
function(lessons_exec_argument path out)
  set(argument "${path}")
  if(argument MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" argument "${argument}")
    string(REPLACE "\"" "\\\"" argument "${argument}")
    string(REPLACE "`" "\\`" argument "${argument}")
    string(REPLACE "$" "\\$" argument "${argument}")
    string(REPLACE "\\" "\\\\" argument "\"${argument}\"")
  endif()
  string(REPLACE "%" "%%" argument "${argument}")
  set(${out} "${argument}" PARENT_SCOPE)
endfunction()

lessons_install_dir("${LESSONS_BINDIR}" bindir)
lessons_install_dir("${LESSONS_DATADIR}" datadir)
foreach(program kanovel tirosam)
  lessons_exec_argument("${bindir}/${program}" EXEC)
  configure_file("${LESSONS_ENTRIES}/${program}.desktop.in" "${LESSONS_STAGE}/${program}.desktop" @ONLY)
  file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE FILES "${LESSONS_STAGE}/${program}.desktop")
endforeach()
