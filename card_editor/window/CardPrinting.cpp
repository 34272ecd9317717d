#include "card_editor/window/CardPrinting.h"

#include "common/platform/MessageBox.h"
#include "common/printing/PrintRTFWordWrap.h"
#include "common/printing/Printer.h"
#include "common/richtext/RichTextBox.h"

#include <cmath>

namespace CardPrinting {

QString oversizeQuestion(QSize card, int paperWidthTwips, int paperHeightTwips, double tppx,
                         double tppy) {
    const auto whole = [](double v) {
        return QString::number(static_cast<long long>(std::floor(v)));
    };
    return QStringLiteral("Warning: The image size (") + QString::number(card.width()) +
           QStringLiteral(" by ") + QString::number(card.height()) +
           QStringLiteral(" is greater than the Printer's page size settings (") +
           whole(paperWidthTwips / tppx) + QStringLiteral(" by ") + whole(paperHeightTwips / tppy) +
           QStringLiteral("). Do you still want me to try and print out the layout? This may "
                          "result in a problem for your printer, or a lot of extra paper being "
                          "churned out.");
}

void ReportNoPrinter(MessageBox& messageBox) {
    messageBox.MsgBox(
        QStringLiteral("Sorry - I couldn't detect a printer connected to your system, so I can't "
                       "print out the template. If you do have a printer connected, check your "
                       "driver's settings from the Control panel."),
        MsgStyle::Exclamation, QStringLiteral("No printer detected"));
}

void PrintCard(const CardSheet& sheet, Printer& printer, MessageBox& messageBox) {
    const int savedOrientation = printer.Orientation();
    printer.SetOrientation(Printer::Portrait);

    const double tppx = sheet.twipsPerPixelX;
    const double tppy = sheet.twipsPerPixelY;
    const double cardWidth = sheet.cardSize.width() * tppx;
    const double cardHeight = sheet.cardSize.height() * tppy;
    const int paperWidth = printer.Width();
    const int paperHeight = printer.Height();
    if (cardWidth > paperWidth || cardHeight > paperHeight) {
        const int answer =
            messageBox.MsgBox(oversizeQuestion(sheet.cardSize, paperWidth, paperHeight, tppx, tppy),
                              MsgStyle::ExclamationYesNo, QStringLiteral("OK to print?"));
        if (answer != MsgAnswer::Yes) {
            printer.SetOrientation(savedOrientation);
            return;
        }
    }
    const float offsetX = cardWidth < paperWidth ? float((paperWidth - cardWidth) / 2) : 0.0f;
    const float offsetY = cardHeight < paperHeight ? float((paperHeight - cardHeight) / 2) : 0.0f;

    if (!sheet.background.isNull()) {
        printer.PaintPicture(sheet.background, offsetX, offsetY);
    }
    if (sheet.imageShown && !sheet.image.isNull()) {
        const QRect& r = sheet.imageRect;
        printer.PaintPicture(sheet.image, r.left() * tppx + offsetX, r.top() * tppy + offsetY,
                             r.width() * tppx, r.height() * tppy);
    }
    for (RichTextBox* box : sheet.boxes) {
        if (box == nullptr || box->Text().isEmpty()) {
            continue;
        }
        const double left = box->Left() * tppx;
        const double right = paperWidth - (box->Width() * tppx + left) - offsetX;
        PrintRTFRect(printer, *box, static_cast<int>(std::lround(left + offsetX)),
                     box->Top() * tppy + offsetY, right, 0.0, float(paperWidth),
                     float(paperHeight));
    }
    printer.EndDoc();
    printer.SetOrientation(savedOrientation);
}

} // namespace CardPrinting
