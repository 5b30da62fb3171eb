#include <string>

#include "PaneWindowFixture.h"
#include "options/CDateInfo.h"

namespace {

uint32_t LocalSeconds(int year, int month, int day, int hour, int minute) {
  DateTimeRec date;
  date.year = int16_t(year), date.month = int16_t(month), date.day = int16_t(day);
  date.hour = int16_t(hour), date.minute = int16_t(minute);
  return CDateInfo(&date).DateAsSeconds();
}

class ScheduleDialogTest : public DialogTest {
 protected:
  // The user's click on the File pane's schedule button (the File tab is shown first).
  void ClickSchedule() { UserClickControl(Control("file", 17)); }

  static LongDateRec Clock(WindowRef dialog) {
    LongDateRec date;
    GetClockDateTime(FindControl(dialog, "sked", 300), &date);
    return date;
  }

  // The day buttons' titles ("-" for a disabled one) and the chosen day's button.
  static std::string Calendar(WindowRef dialog, int32_t* chosen) {
    std::string calendar;
    *chosen = 0;
    for (int32_t number = 1; number <= 42; ++number) {
      ControlRef button = FindControl(dialog, "sked", number);
      calendar += IsControlEnabled(button) ? *CopyControlTitleAsCFString(button) : "-";
      calendar += number % 7 ? " " : "|";
      if (GetControl32BitValue(button) > 0) *chosen = number;
    }
    return calendar;
  }

  static std::string MonthTitle(WindowRef dialog) {
    std::string text;
    GetControlText(FindControl(dialog, "sked", 200), &text);
    return text;
  }

  ScopedEnvironment mLocale{"LC_ALL", "C"};
};

TEST_F(ScheduleDialogTest, AStoredTimeShowsItsMonthWithItsDayChosen) {
  // July 2023 begins on a Saturday and has 31 days.
  Data().printTime = LocalSeconds(2023, 7, 19, 10, 30);
  std::string calendar, title;
  int32_t chosen = -1;
  LongDateRec clock;
  mAnswers["SchedulePrintDlg"] = [&](WindowRef dialog) {
    calendar = Calendar(dialog, &chosen);
    title = MonthTitle(dialog);
    clock = Clock(dialog);
    UserTypeKey(dialog, kEscapeCharCode);
  };
  ClickSchedule();
  EXPECT_EQ(calendar,
            "- - - - - - 1|2 3 4 5 6 7 8|9 10 11 12 13 14 15|16 17 18 19 20 21 22|"
            "23 24 25 26 27 28 29|30 31 - - - - -|");
  EXPECT_EQ(chosen, 25);
  EXPECT_EQ(title, "July 2023");
  EXPECT_EQ(clock, (LongDateRec{2023, 7, 19, 10, 30, 0}));
  EXPECT_EQ(Data().printTime, LocalSeconds(2023, 7, 19, 10, 30)) << "Cancel changes nothing";
}

TEST_F(ScheduleDialogTest, OKTakesTheClockTimeAndTheDayChosenInTheShownMonth) {
  const struct {
    const char* name;
    std::vector<uint32_t> months;  // month commands before OK
    int32_t dayButton;             // clicked after them, 0 for none
    uint32_t expected;
  } kCases[] = {
      {"another month, no day", {FourCC("skNx")}, 0, LocalSeconds(2030, 7, 19, 15, 45)},
      {"back over the year",
       {FourCC("skPv"), FourCC("skPv")},
       0,
       LocalSeconds(2030, 7, 19, 15, 45)},
      {"a day of another month", {FourCC("skNx")}, 15, LocalSeconds(2030, 8, 11, 15, 45)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Data().printTime = LocalSeconds(2030, 7, 19, 10, 30);
    int32_t chosenAfterStep = -1;
    mAnswers["SchedulePrintDlg"] = [&](WindowRef dialog) {
      UserSetClock(FindControl(dialog, "sked", 300), LongDateRec{2030, 7, 19, 15, 45, 0});
      for (uint32_t command : c.months) UserSendCommand(dialog, command);
      Calendar(dialog, &chosenAfterStep);
      if (c.dayButton) {
        UserClickControl(FindControl(dialog, "sked", c.dayButton + 1));  // then changed
        UserClickControl(FindControl(dialog, "sked", c.dayButton));
      }
      UserTypeKey(dialog, kReturnCharCode);
    };
    ClickSchedule();
    EXPECT_EQ(chosenAfterStep, 0);
    EXPECT_EQ(Data().printTime, c.expected);
  }
}

TEST_F(ScheduleDialogTest, ATimeMoreThanAMinuteAgoIsAskedAbout) {
  const struct {
    const char* name;
    uint32_t secondsAgo;
    int16_t alertKey;  // 0: no alert expected
    bool stored;
  } kCases[] = {
      {"30 s ago", 30, 0, true},
      {"2 min ago, Cancel", 120, kEscapeCharCode, false},
      {"2 min ago, OK", 120, kReturnCharCode, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    mShown.clear();
    const uint32_t chosen = CDateInfo().DateAsSeconds() - c.secondsAgo;
    Data().printTime = chosen;
    std::string message;
    bool stayedOpen = false;
    mAnswers[""] = [&](WindowRef alert) {
      GetControlText(FindControl(alert, "alrt", 1), &message);
      UserTypeKey(alert, c.alertKey);
    };
    mAnswers["SchedulePrintDlg"] = [&](WindowRef dialog) {
      Data().printTime = 0;  // what the dialog stores shows
      UserTypeKey(dialog, kReturnCharCode);
      stayedOpen = IsModalLoopRunningForWindow(dialog);
      if (stayedOpen) UserTypeKey(dialog, kEscapeCharCode);
    };
    ClickSchedule();
    EXPECT_EQ(mShown[""], c.alertKey ? 1 : 0);
    EXPECT_EQ(message, c.alertKey ? *PDEBundle::GetLocalizedCFString("PastPrintTime") : "");
    EXPECT_EQ(Data().printTime, c.stored ? chosen : 0);
    EXPECT_EQ(stayedOpen, !c.stored);
  }
}

}  // namespace
