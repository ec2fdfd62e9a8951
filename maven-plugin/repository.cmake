# Puts one artifact into a Maven repository directory, as a repository that
# Maven reads over file:// expects it:
#   GROUP/ARTIFACT/VERSION/ARTIFACT-VERSION.jar and .pom, each with a .sha1,
#   GROUP/ARTIFACT/maven-metadata.xml naming the version,
#   GROUP/maven-metadata.xml naming the plugin's goal prefix (PREFIX, plugins only).
# cmake -DREPO=dir -DGROUP=org.x -DARTIFACT=a -DVERSION=1.0 -DJAR=a.jar -DPOM=a.pom [-DPREFIX=p] -P repository.cmake
foreach(var REPO GROUP ARTIFACT VERSION JAR POM)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "repository.cmake: ${var} not given")
  endif()
endforeach()
string(REPLACE "." "/" group_path "${GROUP}")
set(dir "${REPO}/${group_path}/${ARTIFACT}/${VERSION}")
file(MAKE_DIRECTORY "${dir}")
foreach(kind jar pom)
  string(TOUPPER ${kind} var)
  set(target "${dir}/${ARTIFACT}-${VERSION}.${kind}")
  configure_file("${${var}}" "${target}" COPYONLY)
  file(SHA1 "${target}" sum)
  file(CONFIGURE OUTPUT "${target}.sha1" CONTENT "${sum}" @ONLY)
endforeach()
file(CONFIGURE OUTPUT "${REPO}/${group_path}/${ARTIFACT}/maven-metadata.xml" CONTENT
"<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<metadata>
  <groupId>${GROUP}</groupId>
  <artifactId>${ARTIFACT}</artifactId>
  <versioning>
    <release>${VERSION}</release>
    <versions>
      <version>${VERSION}</version>
    </versions>
  </versioning>
</metadata>
" @ONLY)
if(DEFINED PREFIX)
  file(CONFIGURE OUTPUT "${REPO}/${group_path}/maven-metadata.xml" CONTENT
"<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<metadata>
  <plugins>
    <plugin>
      <name>quorvex Maven plugin</name>
      <prefix>${PREFIX}</prefix>
      <artifactId>${ARTIFACT}</artifactId>
    </plugin>
  </plugins>
</metadata>
" @ONLY)
endif()
