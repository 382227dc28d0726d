#pragma once

#include <QString>
#include <QVariant>

// Everything a run knows, in one record owned by the main form. Handlers read
// and assign the members directly.
struct EditorState {
    QString syuturyoku;  // the complete listing HTML, as pasted and previewed

    QString titleText;
    QString listingOpen;
    QString descriptionText;  // Text2 with every LF turned into "<br>"
    QString otherText;        // Text3, converted the same way
    QString listingClose;
    qint16 editedFlag = 0;
    qint16 openAnswer = 0;

    QString paymentText;
    QString paymentLinePayment;
    QString paymentLineBankTransfer;
    QString paymentLinePostalTransfer;
    QString paymentLineEBank;
    QString paymentLineJapanNetBank;
    QString paymentLineUfjBank;
    QString paymentLineSurugaBank;
    QString paymentLineCashOnDelivery;
    QString paymentLineRegisteredCash;

    QString titleHeadFragment;
    qint16 layoutMode = 0;  // 1 standard frame, 2 custom frame, 3 file-defined layout
    QString titleLabel;
    QString descriptionLabel;
    QString otherLabel;
    QString titleBodyFragment;
    QString paymentFragment;
    QString paymentFootnote;
    QString descriptionHeadFragment;
    QString descriptionBodyFragment;
    QString otherHeadFragment;
    QString otherBodyFragment;

    QString tableWidth;
    QString frameColour;
    QString titleSize;
    qint16 omitOther = 0;
    qint16 omitPayment = 0;
    QString headCellColour;  // the four custom colours end in one space,
    QString bodyCellColour;  // which the HTML keeps
    QString headTextColour;
    QString bodyTextColour;
    QVariant textColour;  // always holds text

    qint16 confirmAnswer = 0;
    QString appFolder;  // the program's folder, always ending in one separator

    // The fixed pieces of the file-defined layout; only an opened memo file
    // supplies them, and they stay for the rest of the run.
    QString layoutPiece01, layoutPiece02, layoutPiece03, layoutPiece04, layoutPiece05,
        layoutPiece06, layoutPiece07, layoutPiece08, layoutPiece09, layoutPiece10, layoutPiece11,
        layoutPiece12, layoutPiece13, layoutPiece14, layoutPiece15, layoutPiece16, layoutPiece17,
        layoutPiece18, layoutPiece19, layoutPiece20, layoutPiece21, layoutPiece22, layoutPiece23,
        layoutPiece24, layoutPiece25, layoutPiece26, layoutPiece27, layoutPiece28, layoutPiece29,
        layoutPiece30, layoutPiece31;

    static constexpr int layoutPieceCount = 31;
    // Piece n (1 to 31) as an array element, for the code that walks all of them.
    QString &layoutPiece(int n);
    const QString &layoutPiece(int n) const;
};
