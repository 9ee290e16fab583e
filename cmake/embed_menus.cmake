# Writes the menu texts into a C++ source so the catalogue needs no files at run time.
# Called with -DOUTPUT=<file.cpp> -DMENUS=<.menu files separated by |>.
string(REPLACE "|" ";" MENUS "${MENUS}")
set(body "#include \"catalogue/model/catalogue_model.h\"\n\nconst std::vector<MenuCatalogue::MenuText> &BuiltInMenuTexts() {\n    static const std::vector<MenuCatalogue::MenuText> texts = {\n")
foreach(menu IN LISTS MENUS)
  file(READ "${menu}" content)
  get_filename_component(name "${menu}" NAME)
  string(APPEND body "        {\"${name}\", R\"qswmenu(${content})qswmenu\"},\n")
endforeach()
string(APPEND body "    };\n    return texts;\n}\n")
file(WRITE "${OUTPUT}.tmp" "${body}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
