# The staged install holds every file the desktop needs, and the files point
# at each other by the names that are really installed.
set(expected
    bin/quarvel-calc
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/16x16/apps/${APP_ID}.png
    share/icons/hicolor/32x32/apps/${APP_ID}.png
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
set(failures)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${STAGE}/${file}")
    list(APPEND failures "missing: ${file}")
  endif()
endforeach()
if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${report}")
endif()

file(STRINGS "${STAGE}/share/applications/${APP_ID}.desktop" exec REGEX "^Exec=")
file(STRINGS "${STAGE}/share/applications/${APP_ID}.desktop" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=quarvel-calc")
  list(APPEND failures "desktop entry starts '${exec}', not the installed quarvel-calc")
endif()
if(NOT icon STREQUAL "Icon=${APP_ID}")
  list(APPEND failures "desktop entry shows '${icon}', not the installed ${APP_ID} icon")
endif()

file(READ "${STAGE}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
        "<release version=\"${VERSION}\"" "<binary>quarvel-calc</binary>")
  string(FIND "${metainfo}" "${needle}" at)
  if(at EQUAL -1)
    list(APPEND failures "metainfo lacks ${needle}")
  endif()
endforeach()
if(NOT VERSION STREQUAL "1.00")
  list(APPEND failures "project version reads '${VERSION}', expected 1.00")
endif()
if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${report}")
endif()
