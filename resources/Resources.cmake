# How resources are bundled. Every file <dir>/<TYPE>/<NAME>.<ext> becomes the resource NAME of type
# TYPE, reached as ":/res/<TYPE>/<NAME>.<ext>" in Qt's resource system, where TResourceStream and
# FindResource look for it (type and name without regard to case).

# valdren_resource_files(<out> <dir>): the resource files of <dir>. The help books of help/ and adv/
# are not resources: the program opens them as files beside the executable.
function(valdren_resource_files out dir)
  file(GLOB files LIST_DIRECTORIES false CONFIGURE_DEPENDS ${dir}/*/*)
  list(FILTER files EXCLUDE REGEX "/(help|adv)/[^/]*$")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# valdren_add_resources(<target> <dir>): bundles the resources of <dir> into <target>. For a
# library, <target> must be an OBJECT library: from a static archive the linker would drop the
# registration code, which nothing references.
function(valdren_add_resources target dir)
  valdren_resource_files(files ${dir})
  if(files)
    qt_add_resources(${target} ${target}_resources PREFIX /res BASE ${dir} FILES ${files})
  endif()
endfunction()
