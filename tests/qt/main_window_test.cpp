#include <gtest/gtest.h>

#include <QAccessible>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <vector>

#include "app/program_header.h"
#include "runtime/start_up.h"
#include "tests/qt/qt_fixture.h"

namespace {

using testing_support::QtProgram;

struct Placed {
    const char* name;
    const char* caption;  // nullptr for the lists and the picture control
    QRect pixels;
    double points;  // 0 where no font is stored
};

const Placed kLayout[] = {
    {"Command1", "D4", {24, 32, 121, 41}, 13.5},
    {"Command2", "D6", {24, 176, 121, 41}, 13.5},
    {"Command3", "D8", {24, 320, 121, 41}, 13.5},
    {"Command4", "D10", {24, 464, 121, 41}, 13.5},
    {"Command5", "D10", {312, 32, 121, 41}, 13.5},
    {"Command6", "D12", {312, 176, 121, 41}, 13.5},
    {"Command7", "D20", {312, 320, 121, 41}, 13.5},
    {"Command8", "ESCI", {320, 464, 225, 73}, 18},
    {"Command9", "REFRESH", {24, 88, 121, 41}, 13.5},
    {"Command10", "REFRESH", {24, 232, 121, 41}, 13.5},
    {"Command11", "REFRESH", {24, 376, 121, 41}, 13.5},
    {"Command12", "REFRESH", {24, 520, 121, 41}, 13.5},
    {"Command13", "REFRESH", {312, 88, 121, 41}, 13.5},
    {"Command14", "REFRESH", {312, 232, 121, 41}, 13.5},
    {"Command15", "REFRESH", {312, 368, 121, 41}, 13.5},
    {"Command16", "REFRESH ALL", {320, 544, 225, 137}, 18},
    {"List1", nullptr, {160, 32, 121, 134}, 0},
    {"List2", nullptr, {160, 176, 121, 134}, 0},
    {"List3", nullptr, {160, 320, 121, 134}, 0},
    {"List4", nullptr, {160, 464, 121, 134}, 0},
    {"List5", nullptr, {448, 32, 121, 134}, 0},
    {"List6", nullptr, {448, 176, 121, 134}, 0},
    {"List7", nullptr, {448, 320, 121, 134}, 0},
    {"Image1", nullptr, {32, 656, 129, 33}, 0},
};

TEST_F(QtProgram, ShowsEveryControlWhereTheLayoutPutsIt) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    ASSERT_EQ(window->menuBar()->actions().size(), 1);
    EXPECT_EQ(window->menuBar()->actions()[0]->text(), "????");
    for (const Placed& control : kLayout) {
        const QWidget* widget = child(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.pixels) << control.name;
        if (control.caption != nullptr) {
            const auto* button = qobject_cast<const QPushButton*>(widget);
            ASSERT_NE(button, nullptr) << control.name;
            EXPECT_EQ(button->text(), control.caption);
            const QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(const_cast<QPushButton*>(button));
            ASSERT_NE(accessible, nullptr);
            EXPECT_EQ(accessible->text(QAccessible::Name), control.caption);
            EXPECT_DOUBLE_EQ(button->font().pointSizeF(), control.points) << control.name;
            EXPECT_TRUE(button->font().bold());
            EXPECT_TRUE(button->font().italic());
        }
    }
}

TEST_F(QtProgram, RestoredTheClientAreaHasTheStoredSize) {
    ASSERT_NE(window, nullptr);
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->size(), QSize(312, 206));
}

// Real Tab presses from "D4" through all 23 stops and back to "D4".
TEST_F(QtProgram, TabMovesTheFocusInTabIndexOrder) {
    ASSERT_NE(window, nullptr);
    const std::vector<QString> expected{
        "Command1",  "Command2",  "Command3",  "Command4",  "Command5",  "Command6",
        "Command7",  "List1",     "List2",     "List3",     "List4",     "List5",
        "List6",     "List7",     "Command8",  "Command9",  "Command10", "Command11",
        "Command12", "Command13", "Command14", "Command15", "Command16", "Command1"};
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window, 30000));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    std::vector<QString> order{focused->objectName()};
    while (order.size() < expected.size()) {
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "Tab on " << order.back().toStdString() << " lost the focus";
        order.push_back(focused->objectName());
    }
    EXPECT_EQ(order, expected);
}

TEST_F(QtProgram, ClickingD4AppendsARollToItsList) {
    ASSERT_NE(window, nullptr);
    auto* button = child<QPushButton>("Command1");
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Space);
    const QAbstractItemModel* model = child<QListView>("List1")->model();
    ASSERT_EQ(model->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        const QString text = model->index(row, 0).data().toString();
        EXPECT_TRUE(text == "1" || text == "2" || text == "3" || text == "4") << text.toStdString();
    }
    EXPECT_EQ(model->index(1, 0).data().toString().toStdString(),
              std::to_string(static_cast<int>(form1->lastRoll().single())));
    EXPECT_EQ(child<QListView>("List2")->model()->rowCount(), 0);

    // Screen readers read the items through the list's accessible children.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(child<QListView>("List1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), model->index(1, 0).data().toString());
}

TEST(QtStartUp, ClosingTheMainWindowEndsTheEventLoop) {
    runtime::qt::QtBackend backend;
    QTimer::singleShot(0, [] {
        QMainWindow* window = testing_support::findWindow("KESTRAVO");
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window->findChild<QPushButton*>("Command7"), Qt::LeftButton);
        window->close();
    });
    QTimer watchdog;
    watchdog.callOnTimeout([] { QApplication::exit(99); });
    watchdog.start(20000);
    EXPECT_EQ(runtime::runProgram(app::kProgramHeader, backend), 0);
    testing_support::settle();
    EXPECT_EQ(testing_support::findWindow("KESTRAVO"), nullptr);
}

}  // namespace
