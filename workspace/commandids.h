#pragma once

namespace quorvant {

// Command numbers of the menus, toolbar and accelerators. The numbers are the objects' names in the
// user interface, so tests find every command by them.
enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FILE1 = 57616,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_OPTIONS_DIRECTORIES = 32836,
    ID_OPTIONS_STARTUP = 32837,
    ID_FILE_EXPORT = 32839,
    ID_FILE_IMPORT = 32840,
    ID_OPTIONS_DELETE_REG_KEYS = 32841,

    ID_VIEW_REPORT = 40017,
    ID_VIEW_LIST = 40018,
    ID_VIEW_LBM_CROSS_REFERENCE = 40022,
    ID_FORMATION_EDITOR = 40023,
    ID_UNIT_EDITOR = 40024,
    ID_WEAPON_EDITOR = 40025,
    ID_GAME_MANAGER = 40031,

    // The program's own commands, beyond the old menus.
    ID_VIEW_HIDE_EMPTY = 41001,
    ID_WINDOW_TABBED = 41002,
    ID_EDIT_FIND = 41003,
    ID_EDIT_FILTER = 41004,
    ID_TOOLS_CHECK_REFERENCES = 41005,
    ID_FILE_COMPARE = 41006,
    ID_EDIT_CLEAR = 41007,
    ID_TOOLS_FIND_REFERENCES = 41008,
    ID_VIEW_MESSAGES = 41010,
    ID_FILE_EXPORT_CHANGES = 41011,
    ID_TOOLS_APPLY_PATCH = 41012,
    ID_EDIT_COPY_TO_FILES = 41013,
    ID_EDIT_CHANGE_FIELD = 41020,
    ID_VIEW_SELECT_FILTERED = 41021,
    ID_EDIT_SELECT_ALL = 41022,
    ID_OPTIONS_BACKUPS = 41023,
    ID_FILE_REVERT_TO = 41024,
};

// The Weapons, Units and Formations commands by the view mode they switch to (0, 1, 2).
int ViewModeCommand(int mode);

// What the status bar says of a command, then "\n" and its tool tip. Empty when it has none.
const char* CommandStatusTip(int command);

} // namespace quorvant
