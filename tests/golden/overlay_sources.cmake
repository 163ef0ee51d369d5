# cmake -DSAMPLE=DIR -DEXTRA=DIR -DSTAGE=DIR -P overlay_sources.cmake
# STAGE becomes a copy of the sample sources SAMPLE with every file of EXTRA appended to the
# file of the same relative name: a crafted folder differs from the sample by a few lines.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${SAMPLE}/ DESTINATION ${STAGE})
file(GLOB_RECURSE extra RELATIVE ${EXTRA} ${EXTRA}/*)
foreach(f ${extra})
  file(READ ${EXTRA}/${f} text)
  file(APPEND ${STAGE}/${f} "${text}")
endforeach()
