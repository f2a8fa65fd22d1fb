#include "shell/new_file_wizard.h"

#include <gtest/gtest.h>

#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "rules/setup_month_dialog.h"
#include "shell/document_session.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using Status = NewFileWizard::Status;
using Field = NewFileWizard::Field;

class NewFileWizardTest : public ::testing::Test {
 protected:
  NewFileWizardTest() {
    hooks.saveAs = [this] {
      ++saves;
      return saveSucceeds && session.saveAs(folder / "new.lm2");
    };
  }

  // Step 0 answered Yes, with the month set-up accepted as it opens.
  void Create(NewFileWizard& wizard) {
    ui.answers.push_back(Answer::Yes);
    ui.onDialog<SetupMonthDialog>([](DialogModel&) { return true; });
    wizard.next(ui);
    ASSERT_EQ(wizard.step(), 1);
  }

  testing::TempFolder folder;
  testing::ScriptedUi ui;
  testing::MemorySettings settings;
  DocumentSession session{ui, settings};
  NewFileWizardHooks hooks;
  int saves = 0;
  bool saveSucceeds = true;
};

TEST_F(NewFileWizardTest, ChoicesMakeTheDescriptorTheDefaultsAndTheRememberedSettings) {
  struct Case {
    int base, equipment, status;
    const char* descriptor;
    const char* question;
    std::int32_t daysOffBlockHolder, reducedMaxCredit, reducedMinDaysOff;
    const char* baseSetting;
    const char* equipmentSetting;
  };
  const Case cases[] = {
      {0, 0, 0, "YVRDH8CAV", "Confirm You Would Like to Create a New File for YVR DH8 CA", 12, 2700,
       21, "1", "1"},
      {3, 2, 1, "YULCRJFOM", "Confirm You Would Like to Create a New File for YUL CRJ FO", 12, 2700,
       21, "6", "4"},
      // Cabin crew: the equipment is greyed, yet still in the descriptor.
      {2, 0, 2, "YYZDH8FAZ", "Confirm You Would Like to Create a New File for YYZ FA", 10, 3000, 12,
       "4", "1"},
      {4, 3, 2, "YHZE75FAH", "Confirm You Would Like to Create a New File for YHZ FA", 10, 3000, 12,
       "8", "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.descriptor);
    NewFileWizard wizard(session, hooks);
    wizard.chooseBase(c.base);
    wizard.chooseEquipment(c.equipment);
    wizard.chooseStatus(c.status);
    EXPECT_EQ(wizard.equipmentEnabled(), c.status != 2);
    Create(wizard);
    EXPECT_EQ(ui.shown.front().text, c.question);
    const TDocument& doc = session.document();
    EXPECT_EQ(doc.FileDescriptor, c.descriptor);
    EXPECT_EQ(doc.CrewType, c.status);
    EXPECT_EQ(doc.DaysOffBlockHolder, c.daysOffBlockHolder);
    EXPECT_EQ(doc.DaysOffReserve, 12);
    EXPECT_EQ(doc.ReducedMaxCredit, c.reducedMaxCredit);
    EXPECT_EQ(doc.ReducedMinCredit, 2400);
    EXPECT_EQ(doc.ReducedMinDaysOff, c.reducedMinDaysOff);
    EXPECT_EQ(settings.values.at("lm/buildingbase"), c.baseSetting);
    EXPECT_EQ(settings.values.at("lm/buildingeqp"), c.equipmentSetting);
    EXPECT_EQ(settings.values.at("lm/buildingstatus"), std::to_string(c.status));
    // The next wizard opens on the same choices.
    const NewFileWizard again(session, hooks);
    EXPECT_EQ(std::tuple(again.base(), again.equipment(), again.status()),
              std::tuple(c.base, c.equipment, c.status));
    ui.shown.clear();
  }
  // A remembered value that names no choice opens on the default.
  settings.values["lm/buildingbase"] = "5";
  EXPECT_EQ(NewFileWizard(session, hooks).base(), 2);
}

TEST_F(NewFileWizardTest, FirstStepStaysOnARefusalOrANo) {
  struct Case {
    std::array<const char*, 4> fields;
    const char* message;  // nullptr: the confirmation is asked (and answered No)
  };
  const Case cases[] = {
      {{"YVR", "DH8", "CA", ""}, "YVRDH8CA Is Not a Valid Base/Eqp/Status/Pairing Combination"},
      {{"YV", "DH8", "CA", "V"}, "YVDH8CAV Is Not a Valid Base/Eqp/Status/Pairing Combination"},
      // A category no rule knows would make a month nothing applies to.
      {{"YVR", "DH8", "XX", "V"}, "YVRDH8XXV Is Not a Valid Base/Eqp/Status/Pairing Combination"},
      {{"YVRX", "DH8X", "PUX", "VX"}, nullptr},  // typed past the edits' lengths
  };
  for (const Case& c : cases) {
    NewFileWizard wizard(session, hooks);
    wizard.setAlternate(true);
    for (std::size_t f = 0; f < 4; ++f) wizard.setField(static_cast<Field>(f), c.fields[f]);
    ui.answers.push_back(c.message == nullptr ? Answer::No : Answer::Ok);
    wizard.next(ui);
    EXPECT_EQ(wizard.step(), 0);
    EXPECT_EQ(wizard.textNumber(), 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    if (c.message != nullptr) {
      EXPECT_EQ(ui.shown[0].text, c.message);
      EXPECT_EQ(ui.shown[0].buttons, Buttons::OkCancel);
    } else {
      EXPECT_EQ(ui.shown[0].text, "Confirm You Would Like to Create a New File for YVR PU");
    }
    EXPECT_TRUE(session.document().FileDescriptor.empty());
    ui.shown.clear();
  }
}

TEST_F(NewFileWizardTest, EveryDialogCancelledStillReachesTheSaveAndASaveThatFailsStays) {
  NewFileWizard wizard(session, hooks);
  Create(wizard);
  const std::vector<int> texts{3, 4, 5, 8};
  for (const int text : texts) {
    wizard.next(ui);
    EXPECT_EQ(wizard.textNumber(), text);
  }
  EXPECT_EQ(saves, 0);

  saveSucceeds = false;
  wizard.next(ui);  // the LIS scan and the save in one press
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(wizard.textNumber(), 9);
  EXPECT_FALSE(wizard.complete());
  EXPECT_TRUE(wizard.nextEnabled());
  EXPECT_FALSE(wizard.accept(ui));

  saveSucceeds = true;
  wizard.next(ui);
  EXPECT_EQ(saves, 2);
  EXPECT_EQ(wizard.textNumber(), 7);
  EXPECT_EQ(wizard.text(), "New File Created. Click Finished to start Building Blocks.");
  EXPECT_TRUE(wizard.complete());
  EXPECT_FALSE(wizard.nextEnabled());
  EXPECT_TRUE(wizard.finishEnabled());
  for (const Status line :
       {Status::Roster, Status::Absences, Status::OverlapInfo, Status::CurrentPairings})
    EXPECT_EQ(wizard.statusText(line), "Not Loaded");
  EXPECT_TRUE(std::filesystem::exists(folder / "new.lm2"));
  EXPECT_FALSE(session.document().Untitled);

  // Every file dialog of the steps was shown and cancelled, in order; last
  // month's has no crew to load for.
  std::vector<std::string> titles;
  for (const FileDialogOptions& options : ui.fileDialogs) titles.push_back(options.title);
  EXPECT_EQ(titles,
            (std::vector<std::string>{"Load ToolBox Absences", "Load Crew Roster from Extract",
                                      "Load Crew Absences Extract", "Load This Month's Pairings",
                                      "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files"}));
}

}  // namespace
}  // namespace lumora
