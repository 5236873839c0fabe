#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
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

// A label of the information window as it must show: its place in twips, and its font where
// one is stored (face nullptr: the platform's default font).
struct ShownLabel {
    const char* name;
    const char* caption;
    bool followedByAddress;  // the caption goes on with a contact e-mail address
    QRect twips;
    const char* face;
    double points;
    int weight;  // 400 regular, 700 bold
};

const ShownLabel kLabels[] = {
    {"Label1", "VESKORA 2004", false, {720, 480, 4935, 2655}, "MS Sans Serif", 19.5, 700},
    {"Label2", "PER INFORMAZIONI ", true, {600, 2040, 5535, 1455}, nullptr, 0, 0},
    {"Label3", "CHIUDI QUESTA FINESTRA", false, {8280, 4560, 6255, 975}, "Bart", 20.25, 400},
};

void expectCaption(const QLabel& label, const ShownLabel& expected) {
    const QString text = label.text();
    if (!expected.followedByAddress) {
        EXPECT_EQ(text, QString(expected.caption)) << expected.name;
        return;
    }
    ASSERT_TRUE(text.startsWith(expected.caption))
        << expected.name << " does not start with \"" << expected.caption
        << "\": " << text.toStdString();
    const QString address = text.mid(QString(expected.caption).size());
    EXPECT_TRUE(QRegularExpression("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$").match(address).hasMatch())
        << expected.name << " does not end in an e-mail address: " << text.toStdString();
}

// Where the face is not installed, one of its registered stand-ins shows instead.
void expectFont(const QLabel& label, const ShownLabel& expected) {
    const QFont font = label.font();
    if (expected.face == nullptr) {
        EXPECT_FALSE(label.testAttribute(Qt::WA_SetFont))
            << expected.name << " has a font of its own";
        return;
    }
    EXPECT_TRUE(font.family() == expected.face ||
                QFont::substitutes(expected.face).contains(font.family(), Qt::CaseInsensitive))
        << expected.name << " shows " << font.family().toStdString() << ", neither "
        << expected.face << " nor a stand-in for it";
    EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points) << expected.name;
    EXPECT_EQ(font.weight(), expected.weight) << expected.name;
    EXPECT_FALSE(font.italic()) << expected.name;
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
    EXPECT_EQ(information->findChildren<QLabel*>().size(), 3);
    for (const ShownLabel& expected : kLabels) {
        const auto* label = information->findChild<QLabel*>(expected.name);
        ASSERT_NE(label, nullptr) << expected.name;
        expectCaption(*label, expected);
        const QRect twips = expected.twips;
        EXPECT_EQ(label->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15))
            << expected.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0))
            << expected.name;
        // Transparent, so that the overlapping labels do not cover each other.
        EXPECT_FALSE(label->autoFillBackground()) << expected.name;
        expectFont(*label, expected);
    }

    auto* closing = information->findChild<QLabel*>("Label3");
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
