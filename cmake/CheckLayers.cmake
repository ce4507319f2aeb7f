# The layering check (cmake -DSOURCE_DIR=<repo>/src -P CheckLayers.cmake, run as the CTest test
# "layering"): fails when a file includes from a folder its layer may not use.
#
# Core folders (src/<folder>/*.h, *.cpp) form a stack; each may include only from itself and
# the folders its row names, never from ui/, app/, cli/ or Qt Widgets. GUI code
# (src/<folder>/ui/, src/app/) may include any core or GUI folder; src/cli/ any core folder.
# A new core folder gets a row here before its first file builds.

cmake_minimum_required(VERSION 3.25)

set(ALLOWED_base      "")
set(ALLOWED_palette   "base")
set(ALLOWED_engine    "base;palette")
set(ALLOWED_presets   "base;palette;engine")
set(ALLOWED_recording "base;palette;engine;presets")
set(ALLOWED_output    "base;palette;engine;presets;recording")
set(ALLOWED_gradients "base;palette;engine;presets;recording;output")
set(ALLOWED_preview   "base;palette;engine;presets;recording;output;gradients")
set(ALLOWED_document  "base;palette;engine;presets;recording;output;gradients;preview")
set(ALLOWED_picker    "base;palette;engine;presets;recording;output;gradients;preview;document")
set(ALLOWED_widgets   "base;palette;engine;presets;recording;output;gradients;preview;document;picker")
set(ALLOWED_help      "base;palette;engine;presets;recording;output;gradients;preview;document;picker;widgets")
set(ALLOWED_explore   "base;palette;engine;presets;recording;output;gradients;preview;document;picker;widgets;help")
set(CORE_FOLDERS
    base palette engine presets recording output gradients preview document picker widgets help
    explore)
# The widget folders (src/<folder>/ui/) form a stack of their own: each may include the
# widgets of the folders before it in this list, so the widget layer has no cycle; src/app/
# is above them all.
set(UI_STACK widgets help picker palette engine gradients output preview recording document
    explore)
# Programs over the core: the desktop program, the command-line tool and the screensaver; and
# the video module, which links neither Qt nor the core: it includes only its own files and
# the interface it implements.
set(TOP_FOLDERS app cli saver videomodule)
set(VIDEO_MODULE_INCLUDES "output/videoencoder.h")

# Qt Widgets headers a core file must not include (the core links Qt Core and Gui only).
set(WIDGETS_HEADER_REGEX
    "^<(QtWidgets/.*|QApplication|QWidget|QDialog|QMainWindow|QLabel|QLineEdit|QPushButton|QMessageBox|QMenu|QComboBox|QCheckBox|QSpinBox|QSlider|QScrollBar|QFileDialog|QToolTip|QGroupBox|QFrame|QLayout|QBoxLayout|QVBoxLayout|QHBoxLayout|QGridLayout|QTabWidget|QRadioButton|QStyle|QScrollArea|QToolButton|QAbstractButton)>$")

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "CheckLayers.cmake: pass -DSOURCE_DIR=<repo>/src")
endif()

set(problems "")
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT files)
foreach(file IN LISTS files)
    string(REPLACE "/" ";" parts "${file}")
    list(GET parts 0 folder)
    list(LENGTH parts depth)
    set(is_gui OFF)
    if(folder STREQUAL "app")
        set(is_gui ON)
    elseif(depth GREATER 2)
        list(GET parts 1 sub)
        if(sub STREQUAL "ui")
            set(is_gui ON)
        endif()
    endif()
    if(NOT folder IN_LIST CORE_FOLDERS AND NOT folder IN_LIST TOP_FOLDERS)
        string(APPEND problems "  src/${file}: folder '${folder}' has no row in cmake/CheckLayers.cmake\n")
        continue()
    endif()

    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"][^>\"]*[>\"]).*$" "\\1" target "${line}")
        if(target MATCHES "^<")
            if(folder STREQUAL "videomodule" AND target MATCHES "^<Q")
                string(APPEND problems "  src/${file}: the video module includes Qt ${target}\n")
            endif()
            if(NOT is_gui AND NOT folder STREQUAL "cli" AND target MATCHES "${WIDGETS_HEADER_REGEX}")
                string(APPEND problems "  src/${file}: core file includes Qt Widgets ${target}\n")
            endif()
            continue()
        endif()
        string(REGEX REPLACE "^\"(.*)\"$" "\\1" path "${target}")
        if(NOT path MATCHES "/")
            continue()
        endif()
        string(REPLACE "/" ";" tparts "${path}")
        list(GET tparts 0 tfolder)
        list(LENGTH tparts tdepth)
        set(target_gui OFF)
        if(tfolder STREQUAL "app")
            set(target_gui ON)
        elseif(tdepth GREATER 2)
            list(GET tparts 1 tsub)
            if(tsub STREQUAL "ui")
                set(target_gui ON)
            endif()
        endif()

        if(is_gui)
            if(tfolder STREQUAL "cli")
                string(APPEND problems "  src/${file}: GUI code includes ${target} from cli/\n")
            elseif(NOT folder STREQUAL "app" AND tfolder STREQUAL "app")
                string(APPEND problems "  src/${file}: widget code includes ${target} from app/\n")
            elseif(NOT folder STREQUAL "app" AND target_gui AND NOT tfolder STREQUAL folder)
                list(FIND UI_STACK "${folder}" own_rank)
                list(FIND UI_STACK "${tfolder}" target_rank)
                if(own_rank LESS 0 OR target_rank LESS 0 OR target_rank GREATER own_rank)
                    string(APPEND problems "  src/${file}: ${folder}/ui/ may not include ${target} (${tfolder}/ui/ is not below it)\n")
                endif()
            endif()
        elseif(folder STREQUAL "videomodule")
            if(NOT tfolder STREQUAL folder AND NOT path IN_LIST VIDEO_MODULE_INCLUDES)
                string(APPEND problems "  src/${file}: the video module includes core code ${target}\n")
            endif()
        elseif(folder STREQUAL "cli" OR folder STREQUAL "saver")
            if(target_gui)
                string(APPEND problems "  src/${file}: ${folder}/ includes GUI code ${target}\n")
            endif()
        else()
            if(target_gui OR tfolder IN_LIST TOP_FOLDERS)
                string(APPEND problems "  src/${file}: core file includes GUI or program code ${target}\n")
            elseif(NOT tfolder STREQUAL folder AND NOT tfolder IN_LIST ALLOWED_${folder})
                string(APPEND problems "  src/${file}: ${folder}/ may not include ${target} (${tfolder}/ is not below it)\n")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Layering violations (see docs/architecture.md, \"Layers\"):\n${problems}")
endif()
message(STATUS "Layering: ${CMAKE_CURRENT_LIST_FILE}: every include goes down the stack")
