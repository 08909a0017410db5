# Installs the build twice and checks what lands there: into a prefix whose
# name has a blank, and staged under DESTDIR for the prefix /opt/lessons.
# Both programs in bin/; a desktop entry each in share/applications/ that
# starts the installed program by its full path, with the argument that
# shows a failure at start-up in a dialog, and names the program's
# icon, installed in share/icons/hicolor/scalable/apps/; an AppStream
# metainfo file each in share/metainfo/ with the version and the entry it
# launches. desktop-file-validate and appstreamcli must accept them; when one
# of them is not installed, the rest is checked and the test is skipped.
#   cmake -DBUILD=dir -DWORK=dir -DVERSION=v -DAPPSTREAM_DOMAIN=d -DFAILURE_DIALOG=argument
#         [-DDESKTOP_FILE_VALIDATE=path] [-DAPPSTREAMCLI=path] -P install_check.cmake

# Checks the files of an install whose prefix is `prefix`, found under `root`.
function(check_install root prefix)
  foreach(program kanovel tirosam)
    if(NOT EXISTS "${root}/bin/${program}")
      message(FATAL_ERROR "bin/${program} is not installed under ${root}")
    endif()
    set(entry "${root}/share/applications/${program}.desktop")
    if(NOT EXISTS "${entry}")
      message(FATAL_ERROR "share/applications/${program}.desktop is not installed under ${root}")
    endif()
    # The full path of the installed program, quoted where it has a blank.
    set(path "${prefix}/bin/${program}")
    if(path MATCHES " ")
      set(path "\"${path}\"")
    endif()
    file(STRINGS "${entry}" exec REGEX "^Exec=")
    if(NOT exec STREQUAL "Exec=${path} ${FAILURE_DIALOG}" OR FAILURE_DIALOG STREQUAL "")
      message(FATAL_ERROR "${program}.desktop starts \"${exec}\", not the installed ${prefix}/bin/${program}")
    endif()
    file(STRINGS "${entry}" icon REGEX "^Icon=")
    if(NOT icon STREQUAL "Icon=${program}")
      message(FATAL_ERROR "${program}.desktop names the icon \"${icon}\"")
    endif()
    if(NOT EXISTS "${root}/share/icons/hicolor/scalable/apps/${program}.svg")
      message(FATAL_ERROR "share/icons/hicolor/scalable/apps/${program}.svg is not installed under ${root}")
    endif()
    string(SUBSTRING "${program}" 0 1 initial)
    string(SUBSTRING "${program}" 1 -1 rest)
    string(TOUPPER "${initial}" initial)
    set(id "${APPSTREAM_DOMAIN}.${initial}${rest}")
    set(metainfo "${root}/share/metainfo/${id}.metainfo.xml")
    if(NOT EXISTS "${metainfo}")
      message(FATAL_ERROR "share/metainfo/${id}.metainfo.xml is not installed under ${root}")
    endif()
    file(READ "${metainfo}" text)
    foreach(part "<id>${id}</id>" "<release version=\"${VERSION}\""
                 "<launchable type=\"desktop-id\">${program}.desktop</launchable>" "<category>Education</category>"
                 "<category>Math</category>" "<name xml:lang=\"ja\">" "<summary xml:lang=\"ja\">" "<p xml:lang=\"ja\">")
      string(FIND "${text}" "${part}" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "${id}.metainfo.xml lacks ${part}")
      endif()
    endforeach()
    if(DESKTOP_FILE_VALIDATE)
      execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}" RESULT_VARIABLE valid)
      if(NOT valid EQUAL 0)
        message(FATAL_ERROR "${program}.desktop is not a valid desktop entry")
      endif()
    endif()
    if(APPSTREAMCLI)
      execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}" RESULT_VARIABLE valid)
      if(NOT valid EQUAL 0)
        message(FATAL_ERROR "${id}.metainfo.xml is not valid AppStream metadata")
      endif()
    endif()
  endforeach()
endfunction()

file(REMOVE_RECURSE "${WORK}")

set(prefix "${WORK}/a prefix")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}" RESULT_VARIABLE status
                OUTPUT_VARIABLE said)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
if(NOT said MATCHES "Kanovel and Tirosam ${VERSION}")
  message(FATAL_ERROR "the install does not show the version ${VERSION}:\n${said}")
endif()
check_install("${prefix}" "${prefix}")

# A package build: the files land under DESTDIR, the entries name the
# programs where the package puts them.
set(ENV{DESTDIR} "${WORK}/stage")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /opt/lessons RESULT_VARIABLE status
                OUTPUT_QUIET)
unset(ENV{DESTDIR})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install with DESTDIR failed: ${status}")
endif()
if(EXISTS /opt/lessons/bin/kanovel AND NOT EXISTS "${WORK}/stage/opt/lessons/bin/kanovel")
  message(FATAL_ERROR "the install with DESTDIR went to /opt/lessons itself")
endif()
check_install("${WORK}/stage/opt/lessons" /opt/lessons)

file(REMOVE_RECURSE "${WORK}")
foreach(validator DESKTOP_FILE_VALIDATE:desktop-file-utils APPSTREAMCLI:appstream)
  string(REPLACE ":" ";" validator "${validator}")
  list(GET validator 0 variable)
  list(GET validator 1 package)
  if(NOT ${variable})
    message("the validator of package ${package} is not installed: skipped")
  endif()
endforeach()
