#pragma once

// A started main form over a scripted desktop, driven as a seller drives the
// window, for tests of what the handlers and commands do without a display.
#include "form/mainform.h"
#include "scriptedinterface.h"

#include <QTest>
#include <functional>

struct FormFixture;
// One thing a seller does, in the window or in a dialog; tables list them in
// order. In a namespace of their own, apart from the window tests' helpers.
namespace steps {
using Step = std::function<void(FormFixture &)>;
using Steps = QList<Step>;
using TextBox = TextBoxModel MainForm::*;
using Box = CheckBoxModel MainForm::*;
using List = ComboBoxModel MainForm::*;
}  // namespace steps

struct FormFixture {
    explicit FormFixture(const QString &folder = "/opt/rumita") : form(ui, folder) { form.startUp(); }
    ScriptedInterface ui;
    MainForm form;
    EditorState &s = form.state;

    void act(const steps::Steps &steps)
    {
        for (const steps::Step &step : steps)
            step(*this);
    }

    // What the window shows of each control but the pictures, a line each:
    // "name=value enabled points red,green,blue".
    QStringList controls() const;
};

namespace steps {
inline const auto type = [](TextBox box, QString text) -> Step { return [=](FormFixture &f) { (f.form.*box).setText(text); }; };
// A keystroke's edit: `removed` characters at `position` replaced by `text`.
inline const auto key = [](TextBox box, int position, int removed, QString text) -> Step {
    return [=](FormFixture &f) { (f.form.*box).replace(position, removed, text); };
};
// A click: ticks the box, or unticks a ticked one.
inline const auto tick = [](Box box) -> Step { return [=](FormFixture &f) { (f.form.*box).click(); }; };
// The state an opened file gives a box; 2 is the grey third state.
inline const auto mark = [](Box box, qint16 state) -> Step { return [=](FormFixture &f) { (f.form.*box).setValue(state); }; };
// The seller's pick, which runs the list's handler even for the item shown.
inline const auto pick = [](List list, int index) -> Step { return [=](FormFixture &f) { (f.form.*list).pick(index); }; };
// A selection by code, as an opened file makes it.
inline const auto selectInCode = [](List list, int index) -> Step {
    return [=](FormFixture &f) { (f.form.*list).select(index); };
};
inline const Step New = [](FormFixture &f) { f.form.newMemo(); };
inline const Step Open = [](FormFixture &f) { f.form.openMemo(); };
inline const Step Save = [](FormFixture &f) { f.form.saveMemo(); };
// The answer to the next question, and the file the next file dialog gives ("" cancels).
inline const auto answer = [](qint16 button) -> Step { return [=](FormFixture &f) { f.ui.answers << button; }; };
inline const auto choose = [](QString path) -> Step { return [=](FormFixture &f) { f.ui.fileNames << path; }; };
}  // namespace steps

// What Save writes for the title "ABC" in a fresh window.
inline const QByteArray abcMemo = "ABC" + QByteArray("<qip.$>").repeated(3) + "0<qip.$>1<qip.$>" +
                                  QByteArray("0<qip.$>").repeated(9) + "0<qip.$>1<qip.$>" + QByteArray("0<qip.$>").repeated(6) +
                                  QByteArray("<qip.$>").repeated(31) + "\r\n";

QByteArray contents(const QString &path);
// Writes a file whole; false when it could not.
bool put(const QString &path, const QByteArray &bytes);

// A file of the memo corpus in tests/data/memo.
QString memoData(const QString &name);
// A whole listing written out by hand, from tests/data/golden/listings.
QString golden(const QString &name);
