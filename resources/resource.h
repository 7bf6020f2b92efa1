#pragma once

// Every numeric resource id of the program. String ids live in StringIds.h so portable code can
// use them without this file. The numbers are fixed: language files address strings, dialog
// controls and menus by them, and stored databases address the node icons by their position.
// Plain #defines only, so the resource compiler and portable code can both read this file.
#include "resources/StringIds.h"

#define IDR_MANIFEST 1

// ---- Icons --------------------------------------------------------------------------------------
#define IDI_PROGRAM 128

// The 34 node icons. SharedIcons loads them in this order of image numbers (0 to 33), which is part
// of the stored data: a node's image number indexes the list.
#define IDI_NODE_LOCATION 201       // image 0
#define IDI_NODE_PASSWORD 202       // image 1
#define IDI_NODE_LOGIN 203          // image 2
#define IDI_NODE_CUSTOM 204         // image 3
#define IDI_NODE_URL 205            // image 4
#define IDI_NODE_GROUP 206          // image 5
#define IDI_NODE_DATABASE 208       // image 6
#define IDI_NODE_PASSCARD 207       // image 7
#define IDI_NODE_DATABASE_FILE 225  // image 8: a listed database file elsewhere
#define IDI_NODE_DATABASE_LOCAL 224 // image 9: a database file beside the executable
#define IDI_NODE_MAIL 228           // image 10
#define IDI_NODE_SERIAL 229         // image 11
#define IDI_NODE_PHONE 230          // image 12
#define IDI_NODE_HOST 231           // image 13
#define IDI_NODE_IP 233             // image 14
#define IDI_NODE_CARD 232           // image 15
#define IDI_NODE_BOOKMARK 247       // image 16: a bookmarked passcard
#define IDI_NODE_NOTE 256           // image 17
#define IDI_NODE_LOCK 257           // image 18
#define IDI_NODE_STAR 258           // image 19
#define IDI_NODE_PEOPLE 261         // image 20
#define IDI_NODE_EXEC 262           // image 21
#define IDI_NODE_SHIELD 263         // image 22
#define IDI_NODE_BANK 264           // image 23
#define IDI_NODE_KEY_PASSPHRASE 266 // image 24
#define IDI_NODE_AUTOFILL 271       // image 25, also the auto-fill passcard dialog's icon
#define IDI_NODE_CHAT 234           // image 26
#define IDI_NODE_EXPIRED 272        // image 27: an expired passcard
#define IDI_NODE_HEART 275          // image 28
#define IDI_NODE_PRIVATE_KEY 282    // image 29
#define IDI_NODE_FILE 283           // image 30
#define IDI_NODE_FLAG 289           // image 31
#define IDI_NODE_TAG 290            // image 32
#define IDI_NODE_CLOCK 291          // image 33
#define VAULTLET_NODE_ICON_COUNT 34

#define IDI_KEYBOARD_SHIFT 286     // the virtual keyboard's Shift keys
#define IDI_KEYBOARD_BACKSPACE 287 // its Backspace key
#define IDI_UPDATE_WAIT 298        // the "checking for new version" window
#define IDI_KEYBOARD_BUTTON 292    // buttons that open the virtual keyboard for a field
#define IDI_GENERATOR_BUTTON 294   // buttons that fill a field from the password generator

// ---- Bitmaps and cursors ------------------------------------------------------------------------
#define IDB_KEYBOARD_SKIN 288   // four key states stacked vertically
#define IDCUR_DRAG_MOVE 273     // a valid move inside the main window
#define IDCUR_DRAG_PASSCARD 276 // a passcard dragged over another program's window
#define IDCUR_DRAG_ITEM 278     // an item dragged over another program's window

// ---- Raw resources read by the program itself ---------------------------------------------------
#define IDR_DEFAULT_LANGUAGE 254  // type "XML": the built-in vaultlet_lang.xml
#define IDR_EXPORT_STYLESHEET 281 // type "CSS": the stylesheet of the HTML export page

// ---- Menus and accelerators ---------------------------------------------------------------------
#define IDR_MAIN_MENU 128
#define IDR_MAIN_ACCELERATORS 128
#define IDR_TRAY_MENU 219          // "Tray Menu" of the main window
#define IDR_PASSWORD_TRAY_MENU 220 // "Password Tray Menu" of the login dialog
#define IDR_EXPIRATION_MENU 270

// Positions inside the main menu that code relies on.
#define VAULTLET_MENU_POS_EDIT 1             // the "&Edit" popup, also the tree's context menu
#define VAULTLET_MENU_POS_OPTIONS 3          // the "&Options" popup
#define VAULTLET_MENU_POS_BOOKMARKS 4        // the "&Bookmarks" popup
#define VAULTLET_OPTIONS_POS_LANGUAGE 4      // where the "&Language" popup goes inside "&Options"
#define VAULTLET_BOOKMARKS_POS_FIRST_ENTRY 3 // bookmark entries follow the two commands and a separator

// ---- Commands -----------------------------------------------------------------------------------
// File
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_INSTALL_REMOVABLE 32832
#define ID_FILE_LOCK 32801
#define ID_FILE_LOGOFF 32810
#define ID_FILE_CHANGE_MASTER_PASSWORD 32775
#define ID_FILE_DATABASE_SETTINGS 32844
#define ID_FILE_EXPORT 32871
#define ID_FILE_IMPORT 32872
#define ID_FILE_PRINT 57607
#define ID_APP_EXIT 57665
// Edit
#define ID_EDIT_ADD_GROUP 32784
#define ID_EDIT_ADD_PASSCARD 32787
#define ID_EDIT_ADD_ITEM 32797
#define ID_EDIT_ADD 32799 // toolbar "Add" and Ins: the child kind that fits the selection
#define ID_EDIT_DELETE 32790
#define ID_EDIT_EDIT 32791
#define ID_EDIT_COPY 57634
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_COLLAPSE_ALL 32793
#define ID_EDIT_EXPAND_ALL 32794
#define ID_EDIT_EXPORT_ITEM 32877
#define ID_EDIT_PRINT_ITEM 32878
#define ID_EDIT_DUPLICATE 32882
#define ID_EDIT_FIND 34700
#define ID_EDIT_NEW_LOGIN 34701
#define ID_EDIT_COPY_LOGIN 34702
#define ID_EDIT_COPY_PASSWORD 34703
// Standard editing commands bound in the accelerator table that the main window leaves alone.
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_NEXT_PANE 59408
#define ID_PREV_PANE 59409
// View
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define ID_VIEW_COMPACT_MODE 32868
#define ID_VIEW_ALWAYS_ON_TOP 32870
// Options
#define ID_OPTIONS_SETTINGS 32796
#define ID_OPTIONS_MANAGE_DATABASES 32831
// Bookmarks
#define ID_BOOKMARKS_ADD 32845
#define ID_BOOKMARKS_REMOVE 32846
#define ID_BOOKMARK_BASE 62000  // an entry at menu position p has the id ID_BOOKMARK_BASE + p
#define ID_BOOKMARK_FIRST 62003 // the first bookmark entry of the main menu
#define ID_BOOKMARK_LAST 62999  // entries stop before the language ids
#define ID_LANGUAGE_FIRST 63001 // language i of availableLanguages has the id ID_LANGUAGE_FIRST + i
#define ID_LANGUAGE_LAST 63999
// Tools
#define ID_TOOLS_PASSWORD_GENERATOR 32864
#define ID_TOOLS_PASSWORD_HEALTH 34600
// Help
#define ID_APP_ABOUT 57664
#define ID_HELP_USER_GUIDE 32866
#define ID_HELP_HOME_PAGE 32839
#define ID_HELP_REPORT_BUG 32879
#define ID_HELP_CHECK_UPDATES 32884
// Tray and keyboard-only commands
#define ID_TRAY_SHOW_WINDOW 32824
#define ID_NEXT_FOCUS 32800 // Tab: tree, list, note, tree
#define ID_ESCAPE 32869     // Esc: minimise when "MinimizeOnEsc" is set
// Expiration menu of the passcard dialog
#define ID_EXPIRE_NOW 32885
#define ID_EXPIRE_DAY 32886
#define ID_EXPIRE_WEEK 32887
#define ID_EXPIRE_TWO_WEEKS 32888
#define ID_EXPIRE_MONTH 32889
#define ID_EXPIRE_TWO_MONTHS 32890
#define ID_EXPIRE_THREE_MONTHS 32891
#define ID_EXPIRE_YEAR 32892

// Pop-ups of the passcard dialog's template buttons: one command per entry, counted from the first
// id of its range (special keys in table order, the passcard's items in item order).
#define ID_TEMPLATE_SPECIAL_KEY_FIRST 33000
#define ID_TEMPLATE_ITEM_FIRST 33100
#define ID_TEMPLATE_ITEM_LAST 33999

// ---- Private window messages (other threads and processes rely on these numbers) ----------------
#define MSG_MAIN_TRAY_NOTIFY 0x06FD      // tray icon callback of the main window
#define MSG_SELECT_NODE 0x06AD           // select the node given in lParam in the tree
#define MSG_PUT_CLIPBOARD 0x0AFE         // put the text at lParam on the clipboard
#define MSG_TRAY_NOTIFY 0x2A80           // tray icon callback of the login dialog
#define MSG_OPEN_FILE 0x2A81             // open the file named by the "OpenFile" setting
#define MSG_CHECK_FILE_ON_DISK 0x2A82    // main window: look for a change another writer made to the file
#define MSG_UPDATE_AVAILABLE 0x2415      // a newer version was found
#define MSG_UPDATE_CHECK_STARTED 0x2416  // a reported update check has begun
#define MSG_UPDATE_CHECK_FINISHED 0x2417 // a reported update check ended; wParam 1 found, 0 not
#define MSG_CRASH_UPLOAD_STATUS 0x2A90   // crash dialog: a connection status (wParam) of the upload
#define MSG_CRASH_UPLOAD_PROGRESS 0x2A91 // crash dialog: percent of the report sent (wParam)
#define MSG_CRASH_UPLOAD_DONE 0x2A92     // crash dialog: the upload has ended
#define MSG_AUTOMATIC_LOCK 34250         // main window: run the automatic lock that waited for a dialog
#define MSG_UNSAVED_CHANGES 34251        // main window: the modified flag changed (one per burst)
#define MSG_TELL_RECOVERY_COPY 34252     // main window: the session did not end; tell about its copy

// ---- Timers -------------------------------------------------------------------------------------
#define TIMER_LOGIN_HIDE 1             // login dialog: hide itself when started hidden (200 ms)
#define TIMER_SEARCH_START 1           // database search window: start scanning (500 ms)
#define TIMER_CLIPBOARD_COUNTDOWN 63   // main window, 1 s
#define TIMER_TREE_REFRESH 64          // main window, 5 s
#define TIMER_WINDOW_MONITOR 65        // main window, 2 s
#define TIMER_GENERATOR_CLIPBOARD 2101 // password generator without a main window: its copy's countdown, 1 s
#define TIMER_IDLE_LOCK 34253          // main window: the next check for input (1 s to 1 min)

// ---- Dialogs and their controls -----------------------------------------------------------------
// Labels and lines that code never addresses.
#define IDC_STATIC (-1)

// A control whose text the language file replaces is addressed there by its id, so these numbers
// do not clash with string ids of other meaning; where a control shows one string, both share
// the number (IDC_LOGIN_HEADER and IDS_LOGIN_HEADER).
#define IDD_NEW_VERSION 277
#define IDD_UPDATE_WAIT 296
#define IDD_LOGIN 301
#define IDD_NEW_DATABASE 302
#define IDD_MANAGE_DATABASES 303
#define IDD_SEARCH_DATABASES 304
#define IDD_CHANGE_MASTER_PASSWORD 305
#define IDD_DATABASE_SETTINGS 306
#define IDD_SETTINGS 307
#define IDD_INSTALL_REMOVABLE 308
#define IDD_EDIT_NAME 309
#define IDD_EDIT_PASSCARD 310
#define IDD_EDIT_FIELD 311
#define IDD_SELECT_ICON 312
#define IDD_AUTOFILL_PASSCARD 313
#define IDD_PASSWORD_GENERATOR 314
#define IDD_ABOUT 315
#define IDD_CHANGED_FILE 2500
#define IDD_OTHER_COPY_PASSWORD 2501
#define IDD_PASSWORD_HEALTH 2600
#define IDD_FIND 2700
#define IDD_NEW_LOGIN 2710

// Login dialog
#define IDC_LOGIN_HEADER 1054
#define IDC_LOGIN_DATABASE_LABEL 1200
#define IDC_LOGIN_DATABASE 1201
#define IDC_LOGIN_PASSWORD_LABEL 1202
#define IDC_LOGIN_PASSWORD 1203
#define IDC_LOGIN_KEYBOARD 1204
#define IDC_LOGIN_MANAGE_LINK 1205
#define IDC_LOGIN_ADD_LINK 1206
#define IDC_LOGIN_VERSION 1207
#define IDC_LOGIN_PROGRESS 1208

// New database dialog
#define IDC_NEWDB_WARNING 1045
#define IDC_NEWDB_HEADER 1070
#define IDC_NEWDB_NAME_LABEL 1220
#define IDC_NEWDB_NAME 1221
#define IDC_NEWDB_PASSWORD_LABEL 1223
#define IDC_NEWDB_PASSWORD 1224
#define IDC_NEWDB_PASSWORD_KEYBOARD 1225
#define IDC_NEWDB_GENERATOR 1226
#define IDC_NEWDB_CONFIRM_LABEL 1227
#define IDC_NEWDB_CONFIRM 1228
#define IDC_NEWDB_CONFIRM_KEYBOARD 1229
#define IDC_NEWDB_CIPHER_LABEL 1230
#define IDC_NEWDB_CIPHER 1231

// Manage database list dialog
#define IDC_MANAGEDB_HEADER 1069
#define IDC_MANAGEDB_LIST 1240
#define IDC_MANAGEDB_NEW 1241
#define IDC_MANAGEDB_ADD 1242
#define IDC_MANAGEDB_REMOVE 1243
#define IDC_MANAGEDB_CLEAR 1244
#define IDC_MANAGEDB_SEARCH 1245

// Database search window
#define IDC_SEARCH_TEXT 1057
#define IDC_SEARCH_ANIMATION 1260

// Change master password dialog
#define IDC_CHANGEPW_HEADER 1066
#define IDC_CHANGEPW_OLD_LABEL 1270
#define IDC_CHANGEPW_OLD 1271
#define IDC_CHANGEPW_OLD_KEYBOARD 1272
#define IDC_CHANGEPW_NEW_LABEL 1273
#define IDC_CHANGEPW_NEW 1274
#define IDC_CHANGEPW_NEW_KEYBOARD 1275
#define IDC_CHANGEPW_GENERATOR 1276
#define IDC_CHANGEPW_CONFIRM_LABEL 1277
#define IDC_CHANGEPW_CONFIRM 1278
#define IDC_CHANGEPW_CONFIRM_KEYBOARD 1279

// Database settings (encryption algorithm) dialog
#define IDC_DBSETTINGS_HEADER 1290
#define IDC_DBSETTINGS_CIPHER_LABEL 1291
#define IDC_DBSETTINGS_CIPHER 1292

// Program settings dialog
#define IDC_SETTINGS_HEADER 1300
#define IDC_SETTINGS_TABS 1301
#define IDC_SETTINGS_SHOW_TRAY_ICON 1302
#define IDC_SETTINGS_MINIMIZE_TO_TRAY 1303
#define IDC_SETTINGS_AUTO_LOGOFF 1304
#define IDC_SETTINGS_CLOSE_TO_TRAY 1305
#define IDC_SETTINGS_MINIMIZE_ON_ESC 1306
#define IDC_SETTINGS_SHOW_TOOLBAR 1307
#define IDC_SETTINGS_SHOW_STATUS_BAR 1308
#define IDC_SETTINGS_SAVE_WINDOW_POS 1309
#define IDC_SETTINGS_LINES_INTO_TREE 1310
#define IDC_SETTINGS_KEEP_ON_TOP 1311
#define IDC_SETTINGS_COPY_ON_MIDDLE_CLICK 1312
#define IDC_SETTINGS_RUN_AT_STARTUP 1313
#define IDC_SETTINGS_AUTO_DESTROY 1314
#define IDC_SETTINGS_TIMEOUT_LABEL 1315
#define IDC_SETTINGS_TIMEOUT 1316
#define IDC_SETTINGS_TIMEOUT_SPIN 1317
#define IDC_SETTINGS_CHECK_UPDATES 1318
#define IDC_SETTINGS_HOTKEY_LABEL 1319
#define IDC_SETTINGS_HOTKEY 1320
#define IDC_SETTINGS_AUTOTYPE_LABEL 1321
#define IDC_SETTINGS_AUTOTYPE_TIMEOUT 1322
#define IDC_SETTINGS_AUTOTYPE_SPIN 1323
#define IDC_SETTINGS_FILL_THROUGH_CLIPBOARD 1324
#define IDC_SETTINGS_MONITOR 1325
// Shown under the hot key when the stored one could not be used and the default stands in.
#define IDC_SETTINGS_HOTKEY_NOTE 2100
#define IDC_SETTINGS_LOCK_WHEN_IDLE 2250
#define IDC_SETTINGS_IDLE_MINUTES 2251
#define IDC_SETTINGS_IDLE_MINUTES_SPIN 2252
#define IDC_SETTINGS_LOCK_ON_SESSION_LOCK 2253
#define IDC_SETTINGS_SAVE_AFTER_CHANGE 2254

// Install on removable media dialog
#define IDC_INSTALL_HEADER 1068
#define IDC_INSTALL_DRIVE_LABEL 1340
#define IDC_INSTALL_DRIVE 1341
#define IDC_INSTALL_FOLDER_LABEL 1342
#define IDC_INSTALL_FOLDER 1343

// Name dialog (database and groups)
#define IDC_NAME_HEADER 1350
#define IDC_NAME_EDIT 1351

// Passcard dialog
#define IDC_PASSCARD_HEADER 1360
#define IDC_PASSCARD_NAME_LABEL 1361
#define IDC_PASSCARD_NAME 1362
#define IDC_PASSCARD_EXPIRATION 1363
#define IDC_PASSCARD_DATE 1364
#define IDC_PASSCARD_TIME 1365
#define IDC_PASSCARD_EXPIRATION_MENU 1366
#define IDC_PASSCARD_USE_AUTOFILL 1367
#define IDC_PASSCARD_TEMPLATE 1368
#define IDC_PASSCARD_SPECIAL_KEYS 1369
#define IDC_PASSCARD_ITEMS 1370

// Passcard field dialog
#define IDC_FIELD_IMAGE 1049
#define IDC_FIELD_HEADER 1380
#define IDC_FIELD_TYPE_LABEL 1381
#define IDC_FIELD_TYPE 1382
#define IDC_FIELD_HIDDEN 1383
#define IDC_FIELD_NAME_LABEL 1384
#define IDC_FIELD_NAME 1385
#define IDC_FIELD_DATA_LABEL 1386
#define IDC_FIELD_DATA 1387
#define IDC_FIELD_GENERATOR 1388
#define IDC_FIELD_KEYBOARD 1389
#define IDC_FIELD_META_LABEL 1390
#define IDC_FIELD_META 1391

// Icon picker
#define IDC_ICON_LIST 1400

// Auto-fill passcard dialog
#define IDC_AUTOFILL_HEADER 1106
#define IDC_AUTOFILL_SEARCH 1410
#define IDC_AUTOFILL_BOOKMARKS 1411
#define IDC_AUTOFILL_TREE 1412
#define IDC_AUTOFILL_TARGET 2102 // the window the chooser fills: its title and program

// Password generator
#define IDC_GENERATOR_LENGTH_SPIN 1013
#define IDC_GENERATOR_PASSWORD_GROUP 1074
#define IDC_GENERATOR_OPTIONS_GROUP 1075
#define IDC_GENERATOR_LENGTH_LABEL 1076
#define IDC_GENERATOR_COPY 1077
#define IDC_GENERATOR_HEADER 1078
#define IDC_GENERATOR_GENERATE 1079
#define IDC_GENERATOR_EXCLUDE_SIMILAR 1080
#define IDC_GENERATOR_UPPER_CASE 1081
#define IDC_GENERATOR_MIX_CASE 1082
#define IDC_GENERATOR_EXCLUDE_DUPLICATE 1083
#define IDC_GENERATOR_ONLY_NUMBERS 1084
#define IDC_GENERATOR_HEX 1085
#define IDC_GENERATOR_ONLY_LETTERS 1086
#define IDC_GENERATOR_MIX 1087
#define IDC_GENERATOR_PHONETICS 1088
#define IDC_GENERATOR_PHONETICS_LABEL 1089
#define IDC_GENERATOR_PASSWORD 1090
#define IDC_GENERATOR_LOWER_CASE 1091
#define IDC_GENERATOR_LENGTH 1092
#define IDC_GENERATOR_MIX_SYMBOLS 2730

// New version dialog and the wait window of a reported update check
#define IDC_NEWVERSION_HEADER 1115
#define IDC_NEWVERSION_CHANGELOG 1116
#define IDC_NEWVERSION_DOWNLOAD 1117
#define IDC_NEWVERSION_CLOSE 1118
#define IDC_NEWVERSION_CHECK_ON_START 1119
#define IDC_UPDATE_WAIT_ICON 1420
#define IDC_UPDATE_WAIT_TEXT 1421

// Password health report
#define IDC_HEALTH_HEADER 2601
#define IDC_HEALTH_SUMMARY 2602
#define IDC_HEALTH_LIST 2603
#define IDC_HEALTH_DAYS_LABEL 2604
#define IDC_HEALTH_DAYS 2605
#define IDC_HEALTH_DAYS_SPIN 2606
#define IDC_HEALTH_CLOSE 2607

// Find
#define IDC_FIND_HEADER 2701
#define IDC_FIND_TEXT_LABEL 2702
#define IDC_FIND_TEXT 2703
#define IDC_FIND_COUNT 2704
#define IDC_FIND_LIST 2705
#define IDC_FIND_GO 2706
#define IDC_FIND_CLOSE 2707

// New login
#define IDC_NEWLOGIN_HEADER 2711
#define IDC_NEWLOGIN_NAME_LABEL 2712
#define IDC_NEWLOGIN_NAME 2713
#define IDC_NEWLOGIN_LOGIN_LABEL 2714
#define IDC_NEWLOGIN_LOGIN 2715
#define IDC_NEWLOGIN_PASSWORD_LABEL 2716
#define IDC_NEWLOGIN_PASSWORD 2717
#define IDC_NEWLOGIN_GENERATOR 2718
#define IDC_NEWLOGIN_KEYBOARD 2719
#define IDC_NEWLOGIN_SHOW 2720
#define IDC_NEWLOGIN_URL_LABEL 2721
#define IDC_NEWLOGIN_URL 2722
#define IDC_NEWLOGIN_NOTE_LABEL 2723
#define IDC_NEWLOGIN_NOTE 2724

// Main window children
#define IDC_MAIN_REBAR 1450
#define IDC_MAIN_TOOLBAR 1451
#define IDC_MAIN_TREE_TITLE 1452
#define IDC_MAIN_TREE 1453
#define IDC_MAIN_ITEMS_TITLE 1454
#define IDC_MAIN_LIST 1455
#define IDC_MAIN_NOTE_TITLE 1456
#define IDC_MAIN_NOTE 1457
#define IDC_MAIN_STATUS 1458
#define IDC_MAIN_QUICK_SEARCH 1459
// The question about a file another copy changed, and the password of that other copy
#define IDC_CHANGED_FILE_ICON 2510
#define IDC_CHANGED_FILE_TEXT 2511
#define IDC_CHANGED_FILE_MERGE 2512
#define IDC_CHANGED_FILE_OVERWRITE 2513
#define IDC_CHANGED_FILE_SAVE_AS 2514
#define IDC_OTHER_COPY_PROMPT 2520
#define IDC_OTHER_COPY_PASSWORD 2521
// About box
#define IDC_ABOUT_ICON 1440
#define IDC_ABOUT_PRODUCT 1441
#define IDC_ABOUT_VERSION 1442
#define IDC_ABOUT_DESCRIPTION 1443

// Crash report dialog (built in memory by the crash-report process)
#define IDC_CRASH_LINE 10001
#define IDC_CRASH_HEADER 10002
#define IDC_CRASH_INTRO 10003
#define IDC_CRASH_PLEASE_SEND 10005
#define IDC_CRASH_CONFIRM 10006
#define IDC_CRASH_DESCRIBE_LABEL 10007
#define IDC_CRASH_VIEW_LINK 10008
#define IDC_CRASH_MORE_LINK 10009
#define IDC_CRASH_PRIVACY_LINK 10010
#define IDC_CRASH_DESCRIPTION 10011
#define IDC_CRASH_STATUS 10012
#define IDC_CRASH_PROGRESS 10013
// Crash report viewer
#define IDC_CRASH_VIEWER_TEXT 10014
#define IDC_CRASH_VIEWER_GRIP 10015

// Virtual keyboard keys (built in memory); the ids run through the layout in table order, each
// row's character keys numbered on from the first of them. 11248 is not used.
#define IDC_VKEY_FIRST 11234 // row 1, the backtick key, up to 11246 (=)
#define IDC_VKEY_BACKSPACE 11247
#define IDC_VKEY_ROW2_FIRST 11249 // row 2, q, up to 11261 (backslash)
#define IDC_VKEY_CAPS 11262
#define IDC_VKEY_ROW3_FIRST 11263 // row 3, a, up to 11273 (quote)
#define IDC_VKEY_OK 11274
#define IDC_VKEY_SHIFT 11275
#define IDC_VKEY_ROW4_FIRST 11276 // row 4, z, up to 11285 (slash)
#define IDC_VKEY_SHIFT_RIGHT 11286
#define IDC_VKEY_SPACE 11287
