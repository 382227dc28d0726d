#pragma once

#include "composer/editorstate.h"
#include "composer/fragments.h"
#include "controlmodels.h"

class UserInterface;

// The main window's behaviour: the editor state, the models of its controls
// and every handler and command. The window layer only mirrors the controls.
class MainForm : public QObject {
    Q_OBJECT
public:
    MainForm(UserInterface &ui, const QString &programFolder, QObject *parent = nullptr);

    // The window's load: fills the editor state and joins the first listing,
    // without showing it.
    void startUp();
    void refreshListing();

    // Commands of the buttons and menus.
    void preview();
    void paste();
    void newMemo();
    void openMemo();
    // Open without the question and the dialog: a file named on the command
    // line, or the input an earlier run kept.
    void openMemoFile(const QString &path);
    void saveMemo();
    void showHelp();
    static QString helpText();
    void exitProgram();
    // A request to close the main window; false refuses it.
    bool confirmClose();
    // Whether the window holds input that differs from what the last Save
    // or Open put on disk, or from the blank window of start-up or New.
    // (editedFlag only tells whether anything changed since start-up or New.)
    bool hasUnsavedInput() const;
    // Unsaved input, written for the next start into the state folder as
    // Save would write it.
    void keepUnsavedInput();
    // At start-up: offers to open what an earlier run kept and has not offered yet.
    void offerKeptInput();

    EditorState state;

    TextBoxModel Text1{"Text1"}, Text2{"Text2"}, Text3{"Text3"}, Text4{"Text4"};
    // The nine payment methods, in listing order.
    CheckBoxModel Check20{"Check20"}, Check5{"Check5"}, Check2{"Check2"}, Check3{"Check3"},
        Check7{"Check7"}, Check6{"Check6"}, Check9{"Check9"}, Check4{"Check4"}, Check8{"Check8"};
    CheckBoxModel Check12{"Check12"}, Check13{"Check13"};          // omit payment, omit other notes
    CheckBoxModel Check1{"Check1"}, Check11{"Check11"};            // standard frame, custom frame
    ComboBoxModel Combo4;                                          // title size
    ComboBoxModel Combo1, Combo5, Combo2, Combo3, Combo6, Combo7;  // colours
    PictureModel Image1{"Image1"}, Image2{"Image2"};
    // Section captions on the yellow blocks; start-up sets their texts and sizes.
    TextBoxModel Label5_0{"Label5(0)"}, Label5_2{"Label5(2)"}, Label5_3{"Label5(3)"},
        Label5_4{"Label5(4)"};

    static const QString programTitle;  // "ルミタ", the title of plain messages

private:
    void onInputTextChanged(fragments::Section section);
    bool spliceStandardSection(fragments::Section section);
    void onPaymentMethodToggled(int method);
    void onOmitPaymentToggled();
    void onOmitOtherToggled();
    void onTitleSizePicked();
    void onStandardFrameToggled();
    void onCustomFrameToggled();
    void onFrameColourPicked();
    void onTextColourPicked();
    enum class CustomColour { HeadCell, BodyCell, HeadText, BodyText };
    void onCustomColourPicked(CustomColour which);

    // The memo file's bytes for the input as the window holds it.
    QByteArray inputAsSaved() const;
    void rememberInputAsSaved();

    void rebuildPaymentText();
    // Layouts 2 and 3 rebuild all seven fragments on most changes.
    void rebuildAllByLayout();

    UserInterface &m_ui;
    QString m_programFolder;
    QByteArray m_savedInput;  // inputAsSaved() when the input was last on disk or blank
    // Whether the listing and Text4 are what refreshListing last joined; New
    // and start-up join all nine parts instead.
    bool m_listingJoined = false;
};
