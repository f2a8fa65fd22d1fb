#pragma once
// "Setup Month": the month's blocking rules, each set with a scroll bar that
// stores its value in the document as it moves.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/document.h"
#include "platform/dialog_model.h"

namespace lumora {

enum class MonthRule {
  AvgCredit,
  MaxCredit,
  MinCredit,
  CheckPilotMaxCredit,
  DaysOffBlockHolder,
  DaysOffReserve,
  ReducedMaxCredit,
  ReducedMinCredit,
  ReducedMinDaysOff,
};
inline constexpr int kMonthRuleCount = 9;

struct MonthRuleRange {
  std::int32_t minimum;
  std::int32_t maximum;
  std::int32_t page;  // the scroll bar's page step; the line step is 1
  bool minutes;       // a credit shown as "%02d:%02d", else a day count
  std::string_view group;
  std::string_view label;
};
const MonthRuleRange& RangeOf(MonthRule rule);

// The document field a rule is stored in.
std::int32_t& MonthRuleField(TDocument& doc, MonthRule rule);

// "%02d:%02d" for a credit, "%d" for a day count.
std::string MonthRuleText(MonthRule rule, std::int32_t value);

class SetupMonthDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Setup Month";
  static constexpr std::string_view kInfoText = "Info";

  explicit SetupMonthDialog(TDocument& doc);

  std::string_view title() const override { return kCaption; }
  // OK marks the document modified; the values are stored already.
  bool accept(Ui& ui) override;
  // Cancel puts back the values the dialog opened with.
  void cancel() override;

  std::int32_t value(MonthRule rule) const;
  // A bar's position: the stored value held inside the bar's range.
  std::int32_t position(MonthRule rule) const;
  std::string text(MonthRule rule) const { return MonthRuleText(rule, value(rule)); }
  // The bar moved: the value, held inside its range, is stored at once.
  void set(MonthRule rule, std::int32_t value);
  // "Info": the global information over this dialog.
  void info(Ui& ui) const;

 private:
  TDocument& doc_;
  std::array<std::int32_t, kMonthRuleCount> opened_{};
};

}  // namespace lumora
