#pragma once
// The pairing editor: the password dialog that decides between editing and
// viewing, and the editor that shows the month's pairings one at a time and,
// when editing, writes each accepted page into the pairing table at once
// (there is no cancel).

#include <array>
#include <string>
#include <string_view>

#include "platform/dialog_model.h"

namespace lumora {

class TDocument;

// What the pairing editor's command says before anything opens.
inline constexpr std::string_view kNoPairingsText =
    "You must have a minimum of 1 Pairing! Set up Month first";
inline constexpr std::string_view kNoPairingsCaption = "Pairing Editor Error";

class EditOrViewPairsDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Edit Pairings";
  static constexpr std::array<std::string_view, 3> kTextLines = {
      "Enter Password to Edit Pairings", "OR", "Leave Password Empty to View Pairings"};
  static constexpr std::string_view kWrongPassword =
      "Incorrect Password, Leave Password Field Blank or Enter Correct Password";
  static constexpr int kMaxLength = 6;

  // Opening clears the editing switch: editing needs the password each time.
  explicit EditOrViewPairsDialog(TDocument& doc);

  std::string_view title() const override { return kCaption; }
  // Empty views, the password edits; anything else is refused and the
  // password field gets the focus back.
  bool accept(Ui& ui) override;
  bool editing() const;

  std::string password;

 private:
  TDocument& doc_;
};

class PairDialog final : public DialogModel {
 public:
  static constexpr std::string_view kEditCaption = "Edit Pairings - Caution No Cancel";
  static constexpr std::string_view kViewCaption = "View Pairings Only - Changes Discarded";
  static constexpr std::string_view kDailyInvalid = "Daily Data Invalid. Please Correct the Data";
  static constexpr std::string_view kRemovedCaption = "Change made to Days of Operation!";
  static constexpr std::string_view kMismatchText = "MisMatch in Dops and Block?";
  static constexpr std::string_view kMismatchCaption =
      "Internal Error in PairDialog::StorePairInfo";
  static constexpr std::array<std::string_view, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed",
                                                                "Thu", "Fri", "Sat"};
  static constexpr int kBoxes = 37;

  // The controls a refusal puts the focus back on.
  enum class Field {
    None,
    Number,
    On,
    Credit,
    Tafb,
    DayBoxes,
    StartTime,
    DutyTime,
    HardTime,
    DailyCredit
  };

  // Opens on the editor's current pairing, editing as the switch stands.
  explicit PairDialog(TDocument& doc);
  // Opens on `pair` (a double click in the pairing warnings).
  PairDialog(TDocument& doc, int pair);

  std::string_view title() const override;
  bool editing() const { return editing_; }

  // --- the page's fields, as their controls hold them
  std::string number;           // at most 4 digits
  std::string on, off, credit;  // "##:##"
  std::string tafb;             // "###:##"
  std::string length;           // at most 2 digits
  std::array<bool, kBoxes> dayBox{};
  std::string startTime, dutyTime, hardTime, dailyCredit;  // "##:##"

  // A box of the month calendar: the day of the month it stands for, or -1
  // for a box the month leaves unused; its label "%02d" (empty if unused).
  int boxDay(int box) const;
  std::string boxLabel(int box) const;

  int current() const { return current_; }
  int lastPair() const;
  std::string positionText() const;  // "%d of %d"
  int day() const { return day_; }
  int dayMaximum() const;        // the day scroll bar runs from 0 to this
  std::string dayLabel() const;  // "Day %d"

  // Moves to another pairing after storing this one; false (staying here)
  // when the page is refused.
  bool goTo(int pair, Ui& ui);
  bool next(Ui& ui) { return goTo(current_ + 1, ui); }
  bool previous(Ui& ui) { return goTo(current_ - 1, ui); }
  // Moves to another day of the pairing after storing the daily data shown;
  // false (the scroll bar goes back) when they are invalid.
  bool moveDay(int day, Ui& ui);

  // OK: the daily data and the page are stored; false keeps the dialog open.
  bool accept(Ui& ui) override;
  void cancel() override;

  // Where a refusal put the focus, None after anything else.
  Field focus() const { return focus_; }

 private:
  void show(int pair);
  void clearPage();
  void showDay();
  // Stores the daily data shown when valid; `field` names the first bad one.
  bool storeDaily(Field* field);
  bool storePairInfo(Ui& ui);

  TDocument& doc_;
  bool editing_ = false;
  int current_ = 0;
  int day_ = 0;
  Field focus_ = Field::None;
};

// A time field read as the editor reads it: a number, one character and a
// number when the text is longer than 3 characters. Hours and minutes, or
// -1 for both when it is not read.
struct EditorTime {
  int hours = -1;
  int minutes = -1;
  bool read = false;
};
EditorTime ReadEditorTime(std::string_view text);

}  // namespace lumora
