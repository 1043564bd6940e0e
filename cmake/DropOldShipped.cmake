# Run as a script after the data are copied into a program folder: a field or photo an earlier
# version shipped that this one no longer ships goes, unless it was changed since (its checksum is
# no longer the shipped one), so a rebuilt folder holds the new campaign and the player's own work.
#   cmake -DSOURCE=<data folder> -DFOLDER=<program folder> -P DropOldShipped.cmake
file(STRINGS "${SOURCE}/shipped-before.sha1" lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([0-9a-f]+)  (.+)$" matched "${line}")
  if(NOT matched)
    continue()
  endif()
  set(sum "${CMAKE_MATCH_1}")
  set(path "${CMAKE_MATCH_2}")
  if(EXISTS "${SOURCE}/${path}" OR NOT EXISTS "${FOLDER}/${path}")
    continue()
  endif()
  file(SHA1 "${FOLDER}/${path}" now)
  if(now STREQUAL sum)
    file(REMOVE "${FOLDER}/${path}")
  endif()
endforeach()
