# Puts one artifact into a Maven repository directory, as Maven expects it:
#   GROUP/ARTIFACT/VERSION/ARTIFACT-VERSION.jar and .pom, each with a .sha1,
#   and ARTIFACT-VERSION-sources.jar and -javadoc.jar when SOURCES and JAVADOC name them;
#   GROUP/ARTIFACT/maven-metadata.xml naming the version;
#   GROUP/maven-metadata.xml naming the plugin's goal prefix (PREFIX, plugins only).
# With LOCAL=ON the directory is a local repository (~/.m2/repository), laid
# out as `mvn install` leaves it: the metadata files are named
# maven-metadata-local.xml, and _remote.repositories records the files as
# installed locally, so that every project resolves them, offline too.
# cmake -DREPO=dir -DGROUP=org.x -DARTIFACT=a -DVERSION=1.0 -DJAR=a.jar -DPOM=a.pom
#       [-DSOURCES=a-src.jar] [-DJAVADOC=a-doc.jar] [-DPREFIX=p] [-DLOCAL=ON] -P repository.cmake
foreach(var REPO GROUP ARTIFACT VERSION JAR POM)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "repository.cmake: ${var} not given")
  endif()
endforeach()
string(REPLACE "." "/" group_path "${GROUP}")
set(dir "${REPO}/${group_path}/${ARTIFACT}/${VERSION}")
file(MAKE_DIRECTORY "${dir}")
set(files "${ARTIFACT}-${VERSION}.jar=${JAR}" "${ARTIFACT}-${VERSION}.pom=${POM}")
foreach(classifier sources javadoc)
  string(TOUPPER ${classifier} var)
  if(DEFINED ${var})
    list(APPEND files "${ARTIFACT}-${VERSION}-${classifier}.jar=${${var}}")
  endif()
endforeach()
set(tracking "#NOTE: This is a Maven Resolver internal implementation file, its format can be changed without prior notice.\n")
foreach(entry IN LISTS files)
  string(REGEX REPLACE "=.*" "" name "${entry}")
  string(REGEX REPLACE "^[^=]*=" "" source "${entry}")
  set(target "${dir}/${name}")
  configure_file("${source}" "${target}" COPYONLY)
  file(SHA1 "${target}" sum)
  file(CONFIGURE OUTPUT "${target}.sha1" CONTENT "${sum}" @ONLY)
  string(APPEND tracking "${name}>=\n")
endforeach()
if(LOCAL)
  set(metadata maven-metadata-local.xml)
  file(CONFIGURE OUTPUT "${dir}/_remote.repositories" CONTENT "${tracking}" @ONLY)
else()
  set(metadata maven-metadata.xml)
endif()
file(CONFIGURE OUTPUT "${REPO}/${group_path}/${ARTIFACT}/${metadata}" CONTENT
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
  file(CONFIGURE OUTPUT "${REPO}/${group_path}/${metadata}" CONTENT
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
