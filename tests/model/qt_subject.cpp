#include "tests/model/qt_subject.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "info_window/form2.h"
#include "main_window/process_slots.h"
#include "tests/qt/qt_fixture.h"
#include "tests/support/main_window.h"

namespace model {
namespace {

QString qName(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString caption(Window window) {
    return window == Window::Form1 ? "KESTRAVO" : "Form2";
}

template <class W = QWidget>
W* childOf(QMainWindow* window, std::string_view name) {
    W* widget = window->findChild<W*>(qName(name));
    if (widget == nullptr) throw std::logic_error("no control " + std::string(name));
    return widget;
}

// Acts on the exit box once its own event loop runs; it may take a few turns to come up.
// `pending` is cleared once it has acted, or by the caller to give up.
void whenMessageBoxIsUp(std::function<void(QMessageBox&)> act, std::shared_ptr<bool> pending) {
    QTimer::singleShot(0, [act = std::move(act), pending] {
        if (!*pending) return;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->icon() == QMessageBox::NoIcon) {
            *pending = false;
            act(*box);
        } else {
            whenMessageBoxIsUp(act, pending);
        }
    });
}

}  // namespace

QMainWindow* onlyWindow(const QString& wanted) {
    QMainWindow* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (window == nullptr || !window->isVisible() || window->windowTitle() != wanted) continue;
        if (found != nullptr) return nullptr;
        found = window;
    }
    return found;
}

QtSubject::QtSubject() {
    errorBoxCloser_.setInterval(10);
    errorBoxCloser_.callOnTimeout([this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->icon() == QMessageBox::Critical) {
            ++errorBoxes_;
            box->close();
        }
    });
    errorBoxCloser_.start();
    auto generator = std::make_unique<testing_support::ScriptedGenerator>(draws_);
    generator_ = generator.get();
    program_ = std::make_unique<runtime::Program>(
        backend_, "KESTRAVO", runtime::ProgramServices{std::move(generator), nullptr});
    form1_ = testing_support::showMainWindow(*program_);
    testing_support::settle();
}

QtSubject::~QtSubject() {
    form1_.reset();
    program_.reset();
    testing_support::settle();
}

std::shared_ptr<bool> QtSubject::answerExitBox(const Event& event) {
    const bool alternate = (answers_++ % 2) != 0;
    auto pending = std::make_shared<bool>(true);
    whenMessageBoxIsUp(
        [answered = event.answered, answer = event.answer, alternate](QMessageBox& box) {
            if (!answered) {
                box.close();  // the box's own close command: no button chosen
            } else if (answer == 1) {
                // OK by a click, or by Return on the default button.
                if (alternate) {
                    QTest::keyClick(&box, Qt::Key_Return);
                } else {
                    QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
                }
            } else if (answer == 2 || !alternate) {
                QTest::mouseClick(box.button(QMessageBox::Cancel), Qt::LeftButton);
            } else {
                // The platform gives no other number; Escape is another way of not saying OK.
                QTest::keyClick(&box, Qt::Key_Escape);
            }
        },
        pending);
    return pending;
}

void QtSubject::send(const Event& event) {
    QMainWindow* const window = onlyWindow(caption(event.window));
    if (window == nullptr) throw std::logic_error("event on a window that is not on screen");
    if (event.kind == Event::Kind::CloseFromFrame) {
        window->close();
    } else if (event.control == "MENU") {
        QMenuBar* const bar = window->menuBar();
        QAction* const entry = bar->actions().at(0);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
    } else if (event.control == "Form1" || event.control == "Form2") {
        QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
    } else if (event.control.starts_with("List")) {
        QTest::mouseClick(childOf<QListView>(window, event.control)->viewport(), Qt::LeftButton, {},
                          QPoint(4, 4));
    } else if (event.window == Window::Form1 && event.control.starts_with("Command")) {
        if (dieIndex(event.control) >= 0) {
            generator_->push(std::ldexp(static_cast<float>(event.draw), -24));
        }
        std::shared_ptr<bool> pending;
        if (event.control == "Command8") pending = answerExitBox(event);
        QTest::mouseClick(childOf<QPushButton>(window, event.control), Qt::LeftButton);
        // The click returns only once the box is answered; a box still unanswered never
        // waited for the person.
        if (pending && std::exchange(*pending, false)) ++exitBoxesNotAsked_;
    } else {
        QTest::mouseClick(childOf(window, event.control), Qt::LeftButton);
    }
    testing_support::settle();
}

Observation QtSubject::observe() const {
    Observation seen;
    QMainWindow* const main = onlyWindow("KESTRAVO");
    seen.form1Loaded = form1_->loaded() && main != nullptr;
    if (seen.form1Loaded) {
        for (std::size_t i = 0; i < seen.lists.size(); ++i) {
            const QAbstractItemModel* items =
                childOf<QListView>(main, "List" + std::to_string(i + 1))->model();
            for (int row = 0; row < items->rowCount(); ++row) {
                seen.lists[i].push_back(items->index(row, 0).data().toString().toStdString());
            }
        }
    }
    observeLastRollAndSlots(seen, *form1_, *program_);
    const auto& processSlots = program_->processState<kestravo::ProcessSlots>();
    seen.form2Loaded = processSlots.form2 && processSlots.form2->loaded();
    QMainWindow* const information = onlyWindow("Form2");
    seen.form2Visible = information != nullptr && information->findChildren<QLabel*>().size() == 3;
    seen.ended = program_->ended();
    seen.exitCode = program_->exitCode();
    seen.draws = draws_;
    seen.errorBoxes = errorBoxes_;
    seen.exitBoxesNotAsked = exitBoxesNotAsked_;
    return seen;
}

SubjectFactory qtSubjects() {
    return [] { return std::make_unique<QtSubject>(); };
}

}  // namespace model
