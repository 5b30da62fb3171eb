#include <string>

#include "options/PaneTestSupport.h"
#include "options/dialogs/CDateInfo.h"

namespace {

uint32_t LocalSeconds(int year, int month, int day, int hour, int minute) {
  DateTimeRec date;
  date.year = int16_t(year), date.month = int16_t(month), date.day = int16_t(day);
  date.hour = int16_t(hour), date.minute = int16_t(minute);
  return CDateInfo(&date).DateAsSeconds();
}

// The day buttons' titles ("-" for a disabled one), rows ending in "|", and "*" after the chosen.
std::string Calendar(WindowRef dialog) {
  std::string calendar;
  for (int32_t number = 1; number <= 42; ++number) {
    ControlRef button = FindControl(dialog, "sked", number);
    calendar += IsControlEnabled(button) ? *CopyControlTitleAsCFString(button) : "-";
    calendar += GetControl32BitValue(button) > 0 ? "*" : "";
    calendar += number % 7 ? " " : "|";
  }
  return calendar;
}

using ScheduleDialogTest = DialogTest;

TEST_F(ScheduleDialogTest, AStoredTimeShowsItsMonthWithItsDayChosen) {
  ScopedEnvironment locale{"LC_ALL", "C"};
  Data().printTime = LocalSeconds(2023, 7, 19, 10, 30);  // July 2023 begins on a Saturday
  std::string calendar, title;
  LongDateRec clock;
  mAnswers["SchedulePrintDlg"] = [&](WindowRef dialog) {
    calendar = Calendar(dialog);
    title = ControlText(FindControl(dialog, "sked", 200));
    GetClockDateTime(FindControl(dialog, "sked", 300), &clock);
    UserTypeKey(dialog, kEscapeCharCode);
  };
  UserClickControl(Control("file", 17));
  EXPECT_EQ(calendar,
            "- - - - - - 1|2 3 4 5 6 7 8|9 10 11 12 13 14 15|16 17 18 19* 20 21 22|"
            "23 24 25 26 27 28 29|30 31 - - - - -|");
  EXPECT_EQ(title, "July 2023");
  EXPECT_EQ(clock, (LongDateRec{2023, 7, 19, 10, 30, 0}));
  EXPECT_EQ(Data().printTime, LocalSeconds(2023, 7, 19, 10, 30)) << "Cancel changes nothing";
}

TEST_F(ScheduleDialogTest, OKTakesTheClockTimeAndTheDayChosenInTheShownMonth) {
  const struct {
    std::vector<uint32_t> months;  // month commands before OK
    int32_t dayButton;             // clicked after them (its right neighbour first), 0 for none
    uint32_t expected;
  } kCases[] = {
      {{FourCC("skNx")}, 0, LocalSeconds(2030, 7, 19, 15, 45)},
      {{FourCC("skPv"), FourCC("skPv")}, 0, LocalSeconds(2030, 7, 19, 15, 45)},
      {{FourCC("skNx")}, 15, LocalSeconds(2030, 8, 11, 15, 45)},  // August begins on a Thursday
  };
  for (const auto& c : kCases) {
    Data().printTime = LocalSeconds(2030, 7, 19, 10, 30);
    std::string calendar;
    LongDateRec clock;
    mAnswers["SchedulePrintDlg"] = [&](WindowRef dialog) {
      UserSetClock(FindControl(dialog, "sked", 300), LongDateRec{2030, 7, 19, 15, 45, 0});
      for (uint32_t command : c.months) UserSendCommand(dialog, command);
      calendar = Calendar(dialog);
      if (c.dayButton) UserClickControl(FindControl(dialog, "sked", c.dayButton + 1));
      if (c.dayButton) UserClickControl(FindControl(dialog, "sked", c.dayButton));
      GetClockDateTime(FindControl(dialog, "sked", 300), &clock);
      UserTypeKey(dialog, kReturnCharCode);
    };
    UserClickControl(Control("file", 17));
    EXPECT_EQ(calendar.find('*'), std::string::npos) << "no day chosen in another month";
    EXPECT_EQ(Data().printTime, c.expected) << c.months.size() << " " << c.dayButton;
    CDateInfo taken(c.expected);  // the clock shows the date OK takes
    EXPECT_EQ(clock, (LongDateRec{taken.Year(), taken.Month(), taken.Day(), 15, 45, 0}));
  }
}

TEST_F(ScheduleDialogTest, ATimeMoreThanAMinuteAgoIsAskedAbout) {
  const struct {
    uint32_t secondsAgo;
    int16_t alertKey;  // 0: no alert expected
    bool stored;
  } kCases[] = {{30, 0, true}, {120, kEscapeCharCode, false}, {120, kReturnCharCode, true}};
  for (const auto& c : kCases) {
    const uint32_t chosen = CDateInfo().DateAsSeconds() - c.secondsAgo;
    Data().printTime = chosen;
    std::string message;
    bool stayedOpen = false;
    mAnswers[""] = [&](WindowRef alert) {
      message = ControlText(FindControl(alert, "alrt", 1));
      UserTypeKey(alert, c.alertKey);
    };
    mAnswers["SchedulePrintDlg"] = [&](WindowRef dialog) {
      Data().printTime = 0;  // so that what OK stores shows
      UserTypeKey(dialog, kReturnCharCode);
      stayedOpen = IsModalLoopRunningForWindow(dialog);
      if (stayedOpen) UserTypeKey(dialog, kEscapeCharCode);
    };
    UserClickControl(Control("file", 17));
    SCOPED_TRACE(std::to_string(c.secondsAgo) + " s ago, key " + std::to_string(c.alertKey));
    EXPECT_EQ(message, c.alertKey ? *PDEBundle::GetLocalizedCFString("PastPrintTime") : "");
    EXPECT_EQ(Data().printTime, c.stored ? chosen : 0);
    EXPECT_EQ(stayedOpen, !c.stored);
  }
}

}  // namespace
