#pragma once
// The fixed texts of the application frame: window captions, the questions
// of the document lifecycle and the start-up and fatal messages. Front ends
// show them as they are.

#include "platform/captions.h"

namespace lumora::shell_text {

// Window captions. The file caption is "Lumora - " followed by the full path.
using lumora::kAppCaption;
inline constexpr const char* kUntitledCaption = "Lumora - untitled.blk";
inline constexpr const char* kFileCaptionPrefix = "Lumora - ";

// Menus: the reduced one while there is no document, the full one after.
inline constexpr const char* kMenuNoDocument = "MENU_3";
inline constexpr const char* kMenuDocument = "MENU_1";

// New file.
inline constexpr const char* kNewDiscardQuestion =
    "All changes to file will be lost. Delete Anyway";
inline constexpr const char* kNewQuestion = "Would you like to create a new file";
inline constexpr const char* kCautionCaption = "Caution!";

// Open.
inline constexpr const char* kOpenDiscardQuestion =
    "All changes to file will be overwritten. Open File Anyway";

// Building the blocks while some pairings are still invalid.
inline constexpr const char* kInvalidPairingsQuestion =
    "Not all Pairings are Valid. Do you want to edit the pairings to correct the errors as noted.";

// Closing.
inline constexpr const char* kCloseQuestion = "File has been modified. DO YOU WANT TO SAVE IT?";
inline constexpr const char* kCloseCaption = "Quitting Lumora!";

// Commands answered with a message in the files they do not apply to.
inline constexpr const char* kFilterWindowFromBids =
    "Please Select the Filter Window from the Bids Window";
inline constexpr const char* kPilotOnlyFeature = "This Feauture is for Pilot use only.";

// Start and stop.
inline constexpr const char* kAlreadyRunning = "Lumora is Currently Running";
inline constexpr const char* kNotEnoughMemory = "Not Enough Memory. Try quitting other Programs";
inline constexpr const char* kFatalErrorCaption = "Fatal Error";
inline constexpr const char* kNoTimer = "Could not get a Windows Timer";
inline constexpr const char* kExceptionText = kAppCaption;
inline constexpr const char* kExceptionCaption = "Exception";
inline constexpr const char* kFileNewLine = "FileNewBegin\n";

// Tool bar time-bank field: its text before the first credit refresh.
inline constexpr const char* kTimeBankInitial = " TB 000:00";

// Exit codes of the start-up failures.
inline constexpr int kExitAlreadyRunning = 0;
inline constexpr int kExitNoMemory = 1;
inline constexpr int kExitNoTimer = 1;
inline constexpr int kExitException = -1;

// Backup of a file never saved.
inline constexpr const char* kCannotBackup = "Cannot Backup File. Select Save As from File Menu";
inline constexpr const char* kFileNotNamedCaption = "File Not Named";

// The automatic-backup timer.
inline constexpr int kTimerId = 1;
inline constexpr int kTimerPeriodMs = 30000;

// File types of the schedule file dialogs.
inline constexpr const char* kScheduleFilter =
    "Lumora (*.lm2)|*.lm2|Lumora Viewer(*.lmv)|*.lmv| Company Blocks(*.skd)|*.skd|All Files "
    "(*.*)|*.*";
inline constexpr const char* kScheduleExtension = "lm2";
inline constexpr const char* kOpenTitle = "Open";
inline constexpr const char* kSaveAsTitle = "Save As";

}  // namespace lumora::shell_text
