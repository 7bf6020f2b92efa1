#pragma once

// String-table ids. Plain numbers so that portable code, the resource script and the language
// files agree; resource.h includes this file. The English texts are in BuiltinStrings.def. The
// status-bar prompts of the menu commands are strings too, under the command ids of resource.h.

// Product title: the caption of every message box and the title the single-instance hand-over
// looks for.
#define IDS_PRODUCT_TITLE 128

// Name dialog: title, header line and the kind words put into them.
#define IDS_EDIT_NAME_TITLE 129
#define IDS_ENTER_NAME 130
#define IDS_KIND_GROUP 131
#define IDS_KIND_DATABASE 132
#define IDS_KIND_PASSCARD 133

// Delete confirmations.
#define IDS_CONFIRM_DELETE_PASSCARD 134
#define IDS_CONFIRM_DELETE_GROUP 135
#define IDS_CONFIRM_DELETE_ITEM 136

// Names of new nodes.
#define IDS_NEW_GROUP 137
#define IDS_NEW_PASSCARD 138

// Database list, login and new databases.
#define IDS_NEW_DATABASE_ENTRY 139
#define IDS_INVALID_PASSWORD 140
#define IDS_PASSWORDS_DIFFER 141
#define IDS_INVALID_DATABASE_NAME 142
#define IDS_SAVE_NEW_DATABASE_FAILED 143
#define IDS_DATABASE_FILE_FILTER 144
#define IDS_INCORRECT_FILE_FORMAT 145
#define IDS_DATABASE_EXTENSION 146
#define IDS_CONFIRM_REMOVE_DATABASE 147

// Main window panes.
#define IDS_PANE_TREE 148
#define IDS_PANE_ITEMS 149
#define IDS_PANE_NOTE 150

// Install on removable media.
#define IDS_REMOVABLE_DISK 151
#define IDS_NO_REMOVABLE_DISKS 152
#define IDS_INSTALL_SUCCEEDED 153
// A step of the install that failed, with the system's error number and text; the step's name; and
// an install that left the drive without every file.
#define IDS_INSTALL_STEP_FAILED 181
#define IDS_INSTALL_DATABASE_STEP 182
#define IDS_INSTALL_INCOMPLETE 183

// Status bar and save prompts.
#define IDS_STATUS_STATISTICS 154
#define IDS_SAVE_BEFORE_CLOSING 155
#define IDS_SAVE_BEFORE_LOCKING 156
#define IDS_SAVE_BEFORE_LOGOFF 157
#define IDS_STATUS_CLIPBOARD_COUNTDOWN 158
// A save of the open database failed; the changes stay open.
#define IDS_SAVE_FAILED 168
// A password with characters the system's code page cannot hold exactly.
#define IDS_PASSWORD_NOT_EXACT 169
// The open database's file was changed by another writer: the question before overwriting it, the
// offer to read it again, and a reload that failed.
#define IDS_FILE_CHANGED_ON_DISK 350
#define IDS_RELOAD_CHANGED_FILE 351
#define IDS_RELOAD_FAILED 352
// Merging the other copy's changes: the buttons of the changed-file question, the offer when the
// window comes back with unsaved changes, the other copy's password (prompt and caption), a read
// that failed, the report (the counts, then a line for each setting of the other copy that
// differed), and what a version of the other copy kept beside ours is named after.
#define IDS_MERGE_BUTTON 10500
#define IDS_OVERWRITE_BUTTON 10501
#define IDS_SAVE_AS_BUTTON 10502
#define IDS_MERGE_CHANGED_FILE 10503
#define IDS_OTHER_COPY_PASSWORD 10504
#define IDS_OTHER_COPY_PASSWORD_TITLE 10514
#define IDS_MERGE_READ_FAILED 10505
#define IDS_MERGE_DONE 10506
#define IDS_MERGE_OTHER_NAME 10507
#define IDS_MERGE_OTHER_ICON 10508
#define IDS_MERGE_OTHER_CIPHER 10509
#define IDS_MERGE_OTHER_ITERATIONS 10510
#define IDS_MERGE_OTHER_PASSWORD 10511
#define IDS_MERGE_NOTES_JOINED 10512
#define IDS_OTHER_COPY_SUFFIX 10513

// List column titles.
#define IDS_COLUMN_DATABASE 159
#define IDS_COLUMN_FILE 160
#define IDS_COLUMN_NAME 161
#define IDS_COLUMN_VALUE 162
#define IDS_COLUMN_CREATION_TIME 163

#define IDS_LANGUAGE_MENU 164

// Tooltips of the passcard dialog's small buttons.
#define IDS_TIP_EXPIRATION_DATE 165
#define IDS_TIP_SPECIAL_KEYS 166
#define IDS_TIP_PASSCARD_ITEMS 167

#define IDS_NEW_VERSION_RELEASED 170
#define IDS_TITLE_ABOUT 171

// Progress captions of loading and saving a database.
#define IDS_LOADING 172
#define IDS_SAVING 173

// A database file that cannot be opened or read at login.
#define IDS_DATABASE_UNREADABLE 174

// Captions of the four pages of the program settings dialog.
#define IDS_SETTINGS_PAGE_TRAY 177
#define IDS_SETTINGS_PAGE_VIEW 178
#define IDS_SETTINGS_PAGE_COMMON 179
#define IDS_SETTINGS_PAGE_AUTOFILL 180
// The program settings dialog's OK when the settings store refused the values.
#define IDS_SETTINGS_NOT_SAVED 340

// Label of the field dialog's extra row, by item type.
#define IDS_FIELD_COMMENT_LABEL 175
#define IDS_KEY_NAME_LABEL 176

// Dialog titles.
#define IDS_TITLE_PASSCARD_FIELD 209
#define IDS_TITLE_CHANGE_MASTER_PASSWORD 216
#define IDS_TITLE_NEW_DATABASE 217
#define IDS_TITLE_PROGRAM_SETTINGS 218
#define IDS_TITLE_MANAGE_DATABASE_LIST 221
#define IDS_TITLE_INSTALL_REMOVABLE 226
#define IDS_TITLE_DATABASE_SETTINGS 246
#define IDS_TITLE_PASSWORD_GENERATOR 255
#define IDS_TITLE_SELECT_ICON 267
#define IDS_TITLE_AUTOFILL 268
#define IDS_TITLE_EDIT_PASSCARD 269
#define IDS_TITLE_NEW_VERSION 277

// Item type labels.
#define IDS_TYPE_PASSWORD 278
#define IDS_TYPE_LOGIN 279
#define IDS_TYPE_URL 280
#define IDS_TYPE_LOCATION 281
#define IDS_TYPE_CARD_NUMBER 282
#define IDS_TYPE_MAIL 283
#define IDS_TYPE_SERIAL 284
#define IDS_TYPE_PHONE 285
#define IDS_TYPE_HOST 286
#define IDS_TYPE_IP 287
#define IDS_TYPE_CUSTOM 288

// Import results, the export's failure naming the file that could not be written, and a print
// that could not start.
#define IDS_IMPORT_RESULT 289
#define IDS_IMPORT_FAILED 290
#define IDS_EXPORT_FAILED 291
#define IDS_PRINT_FAILED 292

#define IDS_TYPE_KEY_PASSPHRASE 293

// The field dialog: labels of the types it shows but does not offer (they come only from files and
// imports; "%d" is the number of a type the program does not know), and a new custom field's name.
#define IDS_TYPE_FILE 330
#define IDS_TYPE_EXEC 331
#define IDS_TYPE_PRIVATE_KEY 332
#define IDS_TYPE_UNKNOWN 333
#define IDS_CUSTOM_FIELD_NAME 334

#define IDS_TIP_VIRTUAL_KEYBOARD 309
#define IDS_NO_NEW_UPDATES 312

// Texts of dialog controls that code also sets or that share their control's id.
#define IDS_NEW_DATABASE_WARNING 1045
#define IDS_TIP_IMAGE 1049
#define IDS_LOGIN_HEADER 1054
#define IDS_SEARCHING_DATABASES 1057
#define IDS_HEADER_CHANGE_MASTER_PASSWORD 1066
#define IDS_HEADER_INSTALL_REMOVABLE 1068
#define IDS_HEADER_MANAGE_DATABASE_LIST 1069
#define IDS_HEADER_NEW_DATABASE 1070
#define IDS_HEADER_AUTOFILL 1106
#define IDS_CLOSE 1118
#define IDS_HEADER_DATABASE_SETTINGS 1290

#define IDS_QUICK_SEARCH_HINT 10000

// The crash-report process: control texts that share their control's id, the dialog's caption, its
// button and message-box caption, the status log's lines (the upload's outcome and the connection's
// statuses as WinINet reports them).
#define IDS_CRASH_HEADER 10002
#define IDS_CRASH_INTRO 10003
#define IDS_CRASH_PLEASE_SEND 10005
#define IDS_CRASH_CONFIRM 10006
#define IDS_CRASH_DESCRIBE 10007
#define IDS_CRASH_VIEW_LINK 10008
#define IDS_CRASH_MORE_LINK 10009
#define IDS_CRASH_PRIVACY_LINK 10010
#define IDS_CRASH_CAPTION 10020
#define IDS_CRASH_SEND 10021
#define IDS_CRASH_PRODUCT 10022
#define IDS_CRASH_SENDING 10023
#define IDS_CRASH_SENT 10024
#define IDS_CRASH_SEND_FAILED 10025
#define IDS_CRASH_RESOLVING_NAME 10026
#define IDS_CRASH_NAME_RESOLVED 10027
#define IDS_CRASH_CONNECTING 10028
#define IDS_CRASH_CONNECTED 10029
#define IDS_CRASH_RECEIVING 10030
#define IDS_CRASH_RECEIVED 10031
#define IDS_CRASH_CLOSING 10032
#define IDS_CRASH_CLOSED 10033
#define IDS_CRASH_PROXY 10034
#define IDS_CRASH_REDIRECT 10035
#define IDS_CRASH_INTERMEDIATE 10036

// Text that the system's code page cannot keep exactly (in a dialog's field, in the note pane), a
// check for a new version that could not look, a language the system cannot show (its menu hint),
// the export's warning that its file is not encrypted and where it was written, and an import refused
// for such text.
#define IDS_TEXT_NOT_EXACT 10200
#define IDS_NOTE_NOT_EXACT 10201
#define IDS_UPDATE_CHECK_FAILED 10202
#define IDS_LANGUAGE_NOT_SHOWN 10203
#define IDS_EXPORT_NOT_ENCRYPTED 10204
#define IDS_EXPORT_WRITTEN 10205
#define IDS_IMPORT_TEXT_NOT_EXACT 10206

// Auto-fill: why a stored hot key was replaced; the window the chooser fills (its title and
// program), and why nothing was typed into it.
#define IDS_SETTINGS_HOTKEY_REPLACED 10100
#define IDS_AUTOFILL_TARGET 10101
#define IDS_AUTOFILL_TARGET_CHANGED 10102

// Password health report: title, list columns, what each finding is, why (with counts of days or
// passcards), the summary line, the status-bar note about expired passcards, and a report that
// could not be made.
#define IDS_HEALTH_TITLE 10600
#define IDS_HEALTH_COLUMN_PROBLEM 10601
#define IDS_HEALTH_COLUMN_PASSCARD 10602
#define IDS_HEALTH_COLUMN_REASON 10603
#define IDS_HEALTH_COLUMN_SCORE 10604
#define IDS_HEALTH_KIND_EXPIRED 10605
#define IDS_HEALTH_KIND_REUSED 10606
#define IDS_HEALTH_KIND_EMPTY 10607
#define IDS_HEALTH_KIND_SAME_AS_LOGIN 10608
#define IDS_HEALTH_KIND_SAME_AS_NAME 10609
#define IDS_HEALTH_KIND_WEAK 10610
#define IDS_HEALTH_KIND_EXPIRING 10611
#define IDS_HEALTH_EXPIRED_TODAY 10612
#define IDS_HEALTH_EXPIRED_DAYS 10613
#define IDS_HEALTH_REUSED 10614
#define IDS_HEALTH_EMPTY 10615
#define IDS_HEALTH_SAME_AS_LOGIN 10616
#define IDS_HEALTH_SAME_AS_NAME 10617
#define IDS_HEALTH_GUESSED_INSTANTLY 10618
#define IDS_HEALTH_GUESSED_SECONDS 10619
#define IDS_HEALTH_GUESSED_MINUTES 10620
#define IDS_HEALTH_GUESSED_HOURS 10621
#define IDS_HEALTH_GUESSED_DAYS 10622
#define IDS_HEALTH_EXPIRES_DAYS 10623
#define IDS_HEALTH_SUMMARY 10624
#define IDS_HEALTH_SUMMARY_CLEAN 10625
#define IDS_HEALTH_STATUS_EXPIRED 10626
#define IDS_HEALTH_NO_RANDOM 10627

// Find (title, list columns, how many were found) and New Login (title).
#define IDS_FIND_TITLE 10700
#define IDS_FIND_COLUMN_ENTRY 10701
#define IDS_FIND_COLUMN_PLACES 10702
#define IDS_FIND_COUNT 10703
#define IDS_FIND_NOTHING 10704
#define IDS_NEW_LOGIN_TITLE 10705

// Start-up: a copy of the program runs under another account or at another level.
#define IDS_RUNNING_ELSEWHERE 10300

// Unsaved changes and the end of the Windows session: the status bar's part, the reasons Windows shows
// while the program holds the end of the session (saving, or changes that could not be written
// anywhere), the note about a recovery copy and the name pattern of such a copy.
#define IDS_STATUS_UNSAVED_CHANGES 10250
#define IDS_SESSION_END_SAVING 10251
#define IDS_SESSION_END_NOT_SAVED 10252
#define IDS_RECOVERY_COPY_WRITTEN 10253
#define IDS_RECOVERY_COPY_NAME 10254
