#include "workspace/commandids.h"

namespace quorvant {

int ViewModeCommand(int mode) {
    return mode == 0 ? ID_WEAPON_EDITOR : mode == 1 ? ID_UNIT_EDITOR : ID_FORMATION_EDITOR;
}

const char* CommandStatusTip(int command) {
    switch (command) {
    case ID_FILE_NEW:
        return "Create a new document\nNew";
    case ID_FILE_OPEN:
        return "Open an existing OB file\nOpen";
    case ID_FILE_CLOSE:
        return "Close the active document\nClose";
    case ID_FILE_SAVE:
        return "Save the active document\nSave";
    case ID_FILE_SAVE_AS:
        return "Save the active document with a new name\nSave As";
    case ID_FILE_EXPORT:
        return "Export to file\nExport";
    case ID_FILE_IMPORT:
        return "Import File\nImport";
    case ID_EDIT_CUT:
        return "Cut the selection and put it on the Clipboard\nCut";
    case ID_EDIT_COPY:
        return "Copy the selection and put it on the Clipboard\nCopy";
    case ID_EDIT_PASTE:
        return "Insert Clipboard contents\nPaste";
    case ID_EDIT_UNDO:
        return "Undo the last action\nUndo";
    case ID_EDIT_REDO:
        return "Redo the previously undone action\nRedo";
    case ID_WINDOW_ARRANGE:
        return "Arrange icons at the bottom of the window\nArrange Icons";
    case ID_WINDOW_CASCADE:
        return "Arrange windows so they overlap\nCascade Windows";
    case ID_WINDOW_TILE_HORZ:
        return "Arrange windows as non-overlapping tiles\nTile Windows";
    case ID_APP_ABOUT:
        return "Display program information and credits\nAbout";
    case ID_APP_EXIT:
        return "Quit the application; prompts to save documents\nExit";
    case ID_HELP_FINDER:
        return "List Help topics\nHelp Topics";
    case ID_CONTEXT_HELP:
        return "Display help for clicked on buttons, menus and windows\nHelp";
    case ID_HELP:
        return "Display help for current task or command\nHelp";
    case ID_NEXT_PANE:
        return "Switch to the next window\nNext Window";
    case ID_PREV_PANE:
        return "Switch back to the previous window\nPrevious Window";
    case ID_VIEW_TOOLBAR:
        return "Show or hide the toolbar\nToggle ToolBar";
    case ID_VIEW_STATUS_BAR:
        return "Show or hide the status bar\nToggle StatusBar";
    case ID_OPTIONS_DIRECTORIES:
        return "Set the Brass Wolves install folders\nDirectories";
    case ID_OPTIONS_STARTUP:
        return "Choose the version and game files to start with\nStartup";
    case ID_OPTIONS_DELETE_REG_KEYS:
        return "Delete the Quorvant Registry Keys\nDelete Reg Keys";
    case ID_VIEW_REPORT:
        return "Switch to Report View\nReport View";
    case ID_EDIT_FIND:
        return "Find records by name in this file or every file of its game\nFind";
    case ID_EDIT_FILTER:
        return "Show only the rows whose names hold a text, or that an expression over the fields holds "
               "for\nFilter";
    case ID_EDIT_CHANGE_FIELD:
        return "Change one field of every selected record: set, add, multiply or take another field\n"
               "Change Field";
    case ID_VIEW_SELECT_FILTERED:
        return "Select every row the list shows\nSelect Filtered";
    case ID_FILE_REVERT_TO:
        return "Go back to the file as last saved or to one of its backups, as a step of Undo\nRevert To";
    case ID_OPTIONS_BACKUPS:
        return "Choose whether and how many backups of each OB file are kept before it is written "
               "over\nBackups";
    case ID_EDIT_SELECT_ALL:
        return "Select every row of the list, or all the text of the field being typed in\nSelect All";
    case ID_TOOLS_CHECK_REFERENCES:
        return "List units and formations that name empty or missing slots\nCheck References";
    case ID_EDIT_CLEAR:
        return "Empty the slot of the selected record\nClear Record";
    case ID_TOOLS_FIND_REFERENCES:
        return "List the units and formations that name the selected record\nFind References";
    case ID_FILE_COMPARE:
        return "List every field where another OB file differs from this one\nCompare With";
    case ID_FILE_EXPORT_CHANGES:
        return "Write the unsaved changes of this file as a patch\nExport Changes";
    case ID_TOOLS_APPLY_PATCH:
        return "Apply a patch to this file or every file of its game, after a preview\nApply Patch";
    case ID_EDIT_COPY_TO_FILES:
        return "Copy the selected record onto the records of its name in the other files of its game\nCopy "
               "to "
               "Other Files";
    case ID_VIEW_MESSAGES:
        return "List the reports of this session with their times\nMessages";
    case ID_VIEW_HIDE_EMPTY:
        return "Hide the rows of empty slots\nHide Empty Slots";
    case ID_WINDOW_TABBED:
        return "Show the open files as tabs\nTabbed View";
    case ID_VIEW_LIST:
        return "Switch to List View\nList View";
    case ID_VIEW_LBM_CROSS_REFERENCE:
        return "View LBM Cross Reference\nView Cross Reference";
    case ID_FORMATION_EDITOR:
        return "Formation Editor\nFormations";
    case ID_UNIT_EDITOR:
        return "Unit Editor\nUnits";
    case ID_WEAPON_EDITOR:
        return "Weapon Editor\nWeapons";
    case ID_GAME_MANAGER:
        return "Game Manager\nGame Maintenance";
    default:
        break;
    }
    if (command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + 4) return "Open this document";
    return "";
}

} // namespace quorvant
