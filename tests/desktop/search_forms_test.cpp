// The search windows on a sample register set, driven through the main
// window with real key and mouse events: each form's fields typed or
// picked must find what kuvo-sok finds for the same criteria on the same
// set, and the forms' own rules (empty fields, list mode, clearing, the
// Lokal-ID jump, the free-text search) hold.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controls/bitmap_button.h"
#include "controls/screen_text.h"
#include "controls/tlm_tab.h"
#include "desktop/search/free_text_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::WhileModal;

const char* const kRegisterWords[] = {"", "fodda", "vigda", "doda"};

class SearchFormsTest : public testing::MainWindowFixture<SearchFormsTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteSample(source, 600, 240, 480, 11);
  }

 protected:
  Tsok_form& Form(int r) { return *window_->search_form(r); }

  // Opens register r's form from the main window, lets `fill` act on it
  // and presses Enter in it.
  void SearchWith(int r, const std::function<void(Tsok_form&)>& fill) {
    WhileModal(
        [&] {
          fill(Form(r));
          QTest::keyClick(&Form(r), Qt::Key_Return);
        },
        [&] { QTest::mouseClick(c().sokknappar[size_t(r - 1)], Qt::LeftButton); });
  }

  // Types `text` (UTF-8) into the field, in typed mode.
  static void Type(Tsok_form& form, std::string_view prefix, const std::string& text) {
    QLineEdit* edit = form.Edit(prefix);
    ASSERT_NE(edit, nullptr) << prefix;
    if (Tspecbut* type = form.TypeButton(prefix)) QTest::mouseClick(type, Qt::LeftButton);
    edit->clear();
    TypeKeys(edit, QString::fromStdString(text));
    const int index = form.state().form().FieldIndex(prefix);
    ASSERT_EQ(Cp1252ToUtf8(form.state().field(size_t(index)).text), text)
        << "the form's state follows the edit";
  }

  // Key presses that carry each character, letters outside ASCII too.
  static void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(widget, &press);
      QApplication::sendEvent(widget, &release);
    }
  }

  // Ticks `rows` (1-based) of the field's list in the picker, by right
  // clicks, and confirms with Enter.
  void Pick(Tsok_form& form, std::string_view prefix, const std::vector<int>& rows) {
    const bool opened = WhileModal(
        [&] {
          TLMtab* grid = window_->picker()->grid();
          for (int row : rows) {
            grid->setTopRow(row - 1);
            QTest::mouseClick(grid, Qt::RightButton, {}, grid->CellRect(row - 1, 0).center());
          }
          QTest::keyClick(window_->picker(), Qt::Key_Return);
        },
        [&] { QTest::mouseClick(form.ListButton(prefix), Qt::LeftButton); });
    EXPECT_TRUE(opened) << prefix << ": the list button opens the picker";
  }

  // The names the main window's table lists for register r, in order.
  std::vector<std::string> TableNames(int r) {
    EXPECT_EQ(window_->table()->aktregister(), r);
    std::vector<std::string> names;
    for (int32_t row = 0; row < window_->table()->row_count(); ++row)
      names.push_back(Cp1252ToUtf8(window_->table()->CellText(row, 0)));
    return names;
  }

  // kuvo-sok's names for the same criteria, in the table's order.
  static std::vector<std::string> SokNames(int r, const std::vector<std::string>& criteria) {
    std::vector<std::string> argv = {VX_KUVO_SOK, "--ini", Ini().string(), kRegisterWords[r]};
    argv.insert(argv.end(), criteria.begin(), criteria.end());
    const testing::ProcessResult result = testing::RunProcess(argv);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    std::vector<std::string> names;
    std::istringstream lines(std::string(result.out.begin(), result.out.end()));
    for (std::string line; std::getline(lines, line);) {
      // register, record, name: the third cell
      const std::string name = QString::fromStdString(line).split('\t').value(2).toStdString();
      names.push_back(name.empty() ? "(Ingen namnuppgift)" : name);
    }
    return names;
  }

  // The text of row `row` of register r's list in `slot`, as a user sees
  // it in the picker.
  std::string ListWord(int r, int slot, int row) {
    TVXstruktlista* list = window_->session().catalogue().soklistor(r, slot);
    if (list == nullptr || !list->ReadRow(row).ok()) return {};
    return Cp1252ToUtf8(list->RowText());
  }
};

// A typed criterion for every field that the sample fills: the first
// three letters of a word of the field's list, a date range, a piece of a
// free text.
std::string TypedCriterion(const FormField& field, const std::string& first_word) {
  if (field.routine == FieldRoutine::kDateRange) return "1780-1820";
  if (field.routine == FieldRoutine::kFreeField) return "son";
  return QString::fromStdString(first_word).left(3).toStdString() + "*";
}

TEST_F(SearchFormsTest, EveryTypedFieldFindsWhatKuvoSokFinds) {
  int fields_with_hits = 0;
  for (int r = 1; r <= 3; ++r) {
    for (const FormField& field : SearchForm(r).fields) {
      if (!field.visible) continue;
      const std::string word = field.ListBacked() ? ListWord(r, field.slot, 3) : "";
      if (field.ListBacked() && word.empty()) continue;  // the sample leaves it empty
      const std::string criterion = TypedCriterion(field, word);
      SCOPED_TRACE(std::string(kRegisterWords[r]) + " --" + std::string(field.prefix) + " " +
                   criterion);
      SearchWith(r, [&](Tsok_form& form) {
        form.ClearSearchForm();
        Type(form, field.prefix, criterion);
      });
      const std::vector<std::string> names = TableNames(r);
      EXPECT_EQ(names, SokNames(r, {"--" + std::string(field.prefix), criterion}));
      fields_with_hits += names.empty() ? 0 : 1;
    }
  }
  EXPECT_GE(fields_with_hits, 25) << "most fields find something in the sample";
}

TEST_F(SearchFormsTest, EveryListFieldPickedFindsWhatKuvoSokFinds) {
  for (int r = 1; r <= 3; ++r) {
    for (const FormField& field : SearchForm(r).fields) {
      if (!field.visible || !field.ListBacked()) continue;
      const std::string first = ListWord(r, field.slot, 1);
      const std::string third = ListWord(r, field.slot, 3);
      if (third.empty()) continue;
      SCOPED_TRACE(std::string(kRegisterWords[r]) + " --" + std::string(field.prefix) + "-rader");
      SearchWith(r, [&](Tsok_form& form) {
        form.ClearSearchForm();
        Pick(form, field.prefix, {1, 3});
        EXPECT_TRUE(
            form.state().field(size_t(form.state().form().FieldIndex(field.prefix))).list_mode);
      });
      const std::vector<std::string> names = TableNames(r);
      EXPECT_FALSE(names.empty());
      EXPECT_EQ(names,
                SokNames(r, {"--" + std::string(field.prefix) + "-rader", first + ";" + third}));
    }
  }
}

TEST_F(SearchFormsTest, EveryFieldEmptyClosesWithAnEmptyResult) {
  SearchWith(2, [&](Tsok_form& form) { form.ClearSearchForm(); });
  EXPECT_FALSE(Form(2).isVisible());
  EXPECT_EQ(c().antallabel->text(), "0 valda");
  EXPECT_TRUE(c().valknappar[1]->down());
}

// Typed, picked and emptied fields together find what kuvo-sok finds.
// Confirmed without ticks a field takes no part. A click on the list
// button of a field already in list mode opens the picker again; back in
// typed mode the field shows the first summary.
TEST_F(SearchFormsTest, FieldsTogetherCombineAsOnTheCommandLine) {
  std::string first;
  SearchWith(1, [&](Tsok_form& form) {
    form.ClearSearchForm();
    Type(form, "fod", "1750-1850");
    Type(form, "moren", "Zzz");
    Pick(form, "moren", {});
    EXPECT_TRUE(form.Edit("moren")->text().isEmpty());
    Pick(form, "fof", {1});
    first = form.Edit("fof")->text().toStdString();
    EXPECT_EQ(first, ListWord(1, 1, 1));
    Pick(form, "fof", {2});
    EXPECT_EQ(form.Edit("fof")->text().toStdString(), first + ";" + ListWord(1, 1, 2));
    QTest::mouseClick(form.TypeButton("fof"), Qt::LeftButton);
    EXPECT_EQ(form.Edit("fof")->text().toStdString(), first);
    Pick(form, "fn", {1, 2, 3, 4});
  });
  EXPECT_EQ(TableNames(1), SokNames(1, {"--fod", "1750-1850", "--fof", first, "--fn-rader",
                                        ListWord(1, 6, 1) + ";" + ListWord(1, 6, 2) + ";" +
                                            ListWord(1, 6, 3) + ";" + ListWord(1, 6, 4)}));
}

TEST_F(SearchFormsTest, ListModeCancelledKeepsTheGreyTextAndFindsNothing) {
  SearchWith(1, [&](Tsok_form& form) {
    form.ClearSearchForm();
    Type(form, "farfn", "Anders");
    WhileModal([&] { QTest::keyClick(window_->picker(), Qt::Key_Escape); },
               [&] { QTest::mouseClick(form.ListButton("farfn"), Qt::LeftButton); });
    EXPECT_EQ(form.Edit("farfn")->text(), "Anders");
    EXPECT_TRUE(form.Edit("farfn")->isReadOnly());
  });
  EXPECT_EQ(c().antallabel->text(), "0 valda");
}

TEST_F(SearchFormsTest, ClearingResetsModesTextsTicksAndThePickersPlace) {
  SearchWith(3, [&](Tsok_form& form) {
    Type(form, "fn", "An*");
    Pick(form, "dors", {2});
  });
  TVXstruktlista* causes = window_->session().catalogue().soklistor(3, 16);
  ASSERT_NE(causes, nullptr);
  EXPECT_EQ(causes->vald().Count(), 1);
  QTest::mouseClick(c().rensaknapp, Qt::LeftButton);  // the main window's clear
  EXPECT_TRUE(Form(3).state().Input().Empty());       // what the state's Clear leaves: its test
  EXPECT_FALSE(Form(3).state().field(size_t(SearchForm(3).FieldIndex("dors"))).list_mode);
  EXPECT_TRUE(Form(3).Edit("fn")->text().isEmpty());
  EXPECT_EQ(causes->vald().Count(), 0);
  // The picker opens again at its first row with nothing ticked.
  WhileModal(
      [&] {
        EXPECT_EQ(window_->picker()->grid()->topRow(), 0);
        EXPECT_EQ(window_->picker()->grid()->currentRow(), 0);
        QTest::keyClick(window_->picker(), Qt::Key_Escape);
      },
      [&] { window_->picker()->Pick(3, 16, testing::W("Dödsorsak"), "HJ007"); });
}

// Tab goes from field to field in each form's tab order, the Lokal-ID at
// its own place (the death form's before Dödsorsak), and to no button.
TEST_F(SearchFormsTest, TabGoesFromFieldToFieldInTheFormsTabOrder) {
  for (int r = 1; r <= 3; ++r) {
    Tsok_form& form = Form(r);
    const SearchFormTable& table = form.state().form();
    std::vector<std::pair<int, QWidget*>> fields = {{table.lokalid_tab_order, form.LokalIdEdit()}};
    for (const FormField& field : table.fields)
      if (field.visible) fields.push_back({field.tab_order, form.Edit(field.prefix)});
    std::ranges::sort(fields, {}, &std::pair<int, QWidget*>::first);
    std::vector<QWidget*> expected;
    for (const auto& field : fields)
      expected.push_back(field.second);
    std::vector<QWidget*> chain;
    QWidget* w = expected.front();
    do {
      if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
      w = w->nextInFocusChain();
    } while (w != expected.front() && chain.size() < 100);
    EXPECT_EQ(chain, expected) << "register " << r;
  }
}

// The births form filled by typing, a move with Tab (or Shift+Tab back)
// and typing again, then Enter: the search has both fields.
TEST_F(SearchFormsTest, AFormFilledByTypingAndTabSearchesWithBothFields) {
  struct Case {
    const char* start;  // the field focused first
    const char* first;
    Qt::KeyboardModifiers move;  // Tab or Shift+Tab
    const char* second;
  };
  const Case cases[] = {{"fn", "Anna", Qt::NoModifier, "1700-1799"},
                        {"fod", "1700-1799", Qt::ShiftModifier, "Anna"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    WhileModal(
        [&] {
          Tsok_form& form = Form(1);
          if (!testing::WaitUntilActive(&form)) {
            ADD_FAILURE() << "the form never became the active window";
            return form.reject();
          }
          form.ClearSearchForm();
          form.Edit(c.start)->setFocus();
          QTest::keyClicks(QApplication::focusWidget(), c.first);
          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, c.move);
          QTest::keyClicks(QApplication::focusWidget(), c.second);
          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        },
        [&] { QTest::mouseClick(window_->controls().sokknappar[0], Qt::LeftButton); });
    EXPECT_FALSE(Form(1).isVisible());
    const std::vector<std::string> names = TableNames(1);
    EXPECT_FALSE(names.empty());
    EXPECT_EQ(names, SokNames(1, {"--fn", "Anna", "--fod", "1700-1799"}));
  }
}

// F4 and Shift+F4 press the list and type buttons of the focused field,
// also when it is in list mode; the buttons are out of the Tab chain.
TEST_F(SearchFormsTest, F4AndShiftF4PressTheFocusedFieldsButtons) {
  const size_t fn = size_t(SearchForm(1).FieldIndex("fn"));
  bool picked = false;
  WhileModal(
      [&] {
        Tsok_form& form = Form(1);
        if (!testing::WaitUntilActive(&form)) {
          ADD_FAILURE() << "the form never became the active window";
          return form.reject();
        }
        form.ClearSearchForm();
        form.Edit("farfn")->setFocus();
        form.Edit("fn")->setFocus();
        WhileModal(
            [&] {
              picked = window_->picker()->isVisible();
              QTest::keyClick(window_->picker(), Qt::Key_Return);
            },
            [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4); });
        EXPECT_TRUE(form.state().field(fn).list_mode);
        EXPECT_TRUE(form.ListButton("fn")->down());
        // The field in list mode keeps the form's focus, read only.
        EXPECT_EQ(form.focusWidget(), form.Edit("fn"));
        QTest::keyClick(form.focusWidget(), Qt::Key_F4, Qt::ShiftModifier);
        EXPECT_FALSE(form.state().field(fn).list_mode);
        EXPECT_TRUE(form.TypeButton("fn")->down());
        EXPECT_EQ(form.focusWidget(), form.Edit("fn"));
        EXPECT_EQ(form.TypeButton("fn")->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(form.ListButton("fn")->accessibleName().toStdString(),
                  "Förnamn: välj sökord från lista");
        form.reject();
      },
      [&] { QTest::mouseClick(window_->controls().sokknappar[0], Qt::LeftButton); });
  EXPECT_TRUE(picked);
}

// Enter on a Lokal-ID that is not there tells so and leaves the form open;
// on one that is, it shows that record.
TEST_F(SearchFormsTest, EnterOnALokalIdShowsItsRecordOrTellsItIsMissing) {
  TVXstruktlista* ids = window_->session().catalogue().soklistor(3, 13);
  ASSERT_TRUE(ids != nullptr && ids->ReadRow(5).ok());
  const std::string id = ids->RowText();
  bool still_open = false;
  WhileModal(
      [&] {
        QLineEdit* edit = Form(3).LokalIdEdit();
        edit->setFocus();
        QTest::keyClicks(edit, "X0000-999999");
        QTest::keyClick(edit, Qt::Key_Return);
        still_open = Form(3).isVisible();
        edit->clear();
        TypeKeys(edit, ScreenText(id));
        QTest::keyClick(edit, Qt::Key_Return);
      },
      [&] { QTest::mouseClick(c().sokknappar[2], Qt::LeftButton); });
  EXPECT_TRUE(still_open);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Lokal-ID X0000-999999 finns inte!");
  EXPECT_EQ(c().antallabel->text(), "1 valda");
  EXPECT_EQ(c().postnrlabel->text(), ScreenText(id));
}

TEST_F(SearchFormsTest, TheFreeTextSearchFillsAllThreeRegisters) {
  const std::string parish = ListWord(1, 1, 1);
  WhileModal(
      [&] {
        TypeKeys(window_->free_text_form()->alltedit(), QString::fromStdString(parish));
        QTest::keyClick(window_->free_text_form(), Qt::Key_Return);
      },
      [&] { QTest::mouseClick(c().sokknappar[3], Qt::LeftButton); });
  for (int r = 1; r <= 3; ++r) {
    EXPECT_GT(window_->session().catalogue().PersonList(r).vald().Count(), 0) << r;
    QTest::mouseClick(c().valknappar[size_t(r - 1)], Qt::LeftButton);
    EXPECT_FALSE(TableNames(r).empty());
  }
}

}  // namespace
}  // namespace vx
