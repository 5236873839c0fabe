#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cfenv>
#include <functional>
#include <memory>

#include "main_window/process_slots.h"
#include "tests/qt/qt_fixture.h"

namespace {

using testing_support::findWindow;
using testing_support::QtProgram;
using testing_support::settle;

// Runs the check on the message box once it is up, from inside its own event loop.
void whenMessageBoxIsUp(std::function<void(QMessageBox&)> check) {
    QTimer::singleShot(0, [check = std::move(check)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(*box);
    });
}

TEST_F(QtProgram, TheExitBoxAsksWithOkAsDefaultAndEscapeCancels) {
    ASSERT_NE(window, nullptr);
    whenMessageBoxIsUp([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "VUOI VERAMENTE USCIRE?");
        EXPECT_EQ(box.windowTitle(), "USCITA");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons().size(), 2);
        ASSERT_NE(box.button(QMessageBox::Ok), nullptr);
        ASSERT_NE(box.button(QMessageBox::Cancel), nullptr);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Ok));
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    QTest::mouseClick(child<QPushButton>("Command8"), Qt::LeftButton);
    EXPECT_TRUE(form1->loaded());
    EXPECT_FALSE(program->ended());

    whenMessageBoxIsUp([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    QTest::mouseClick(child<QPushButton>("Command8"), Qt::LeftButton);
    EXPECT_FALSE(form1->loaded());
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(program->exitCode(), 0);
    settle();
    EXPECT_EQ(findWindow("KESTRAVO"), nullptr);
}

TEST_F(QtProgram, TheInformationWindowOpensWithItsLabelsAndItsLabelClosesIt) {
    ASSERT_NE(window, nullptr);
    QAction* menu = window->menuBar()->actions().at(0);
    menu->trigger();
    menu->trigger();
    QMainWindow* information = findWindow("Form2");
    ASSERT_NE(information, nullptr);
    EXPECT_TRUE(information->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(information->windowIcon().isNull());
    const auto labels = information->findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 3);
    auto* closing = information->findChild<QLabel*>("Label3");
    ASSERT_NE(closing, nullptr);
    EXPECT_EQ(closing->text(), "CHIUDI QUESTA FINESTRA");
    EXPECT_EQ(closing->geometry(), QRect(552, 304, 417, 65));
    EXPECT_EQ(closing->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_FALSE(closing->autoFillBackground());

    QTest::mouseClick(closing, Qt::LeftButton);
    settle();
    EXPECT_EQ(findWindow("Form2"), nullptr);
    EXPECT_FALSE(program->ended());

    menu->trigger();
    EXPECT_NE(findWindow("Form2"), nullptr);
}

TEST_F(QtProgram, OpeningTheOpenInformationWindowAgainLeavesItWhereTheUserPutIt) {
    ASSERT_NE(window, nullptr);
    QAction* menu = window->menuBar()->actions().at(0);
    menu->trigger();
    QMainWindow* information = findWindow("Form2");
    ASSERT_NE(information, nullptr);
    information->showNormal();
    information->move(40, 30);
    settle();
    ASSERT_FALSE(information->windowState() & Qt::WindowMaximized);
    const QRect placed = information->geometry();

    menu->trigger();
    settle();
    EXPECT_EQ(findWindow("Form2"), information);
    EXPECT_FALSE(information->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(information->geometry(), placed);
}

// Every flag test finds overflow, as if the roll's arithmetic had raised it.
class OverflowingFlags final : public runtime::FloatingPointFlags {
  public:
    int raised() const override { return FE_OVERFLOW; }
};

class QtProgramWhoseRollsOverflow : public QtProgram {
  protected:
    QtProgramWhoseRollsOverflow()
        : QtProgram({.generator = nullptr, .flags = std::make_unique<OverflowingFlags>()}) {}
};

TEST_F(QtProgramWhoseRollsOverflow, ARunTimeErrorShowsTheErrorBoxAndEndsTheProgram) {
    ASSERT_NE(window, nullptr);
    whenMessageBoxIsUp([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "KESTRAVO");
        EXPECT_EQ(box.text(), "Run-time error '6':\n\nOverflow");
        ASSERT_NE(box.button(QMessageBox::Ok), nullptr);
        box.button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(program->exitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_FALSE(form1->loaded());
    settle();
    EXPECT_EQ(findWindow("KESTRAVO"), nullptr);
}

}  // namespace
