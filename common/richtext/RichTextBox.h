#pragma once

#include "common/platform/TextFile.h"
#include "common/richtext/FormatRange.h"

#include <QByteArray>
#include <QString>
#include <QTextCharFormat>
#include <QTextEdit>

#include <cstdint>
#include <functional>
#include <optional>

class QMimeData;

// A rich-text box: a QTextEdit whose text, selection and formatting are reached through the
// operations both programs call on their boxes.
//
// Positions count characters of the plain text, a line break counting as the two characters
// CR LF. Formatting set while the selection is empty applies to the text inserted next at the
// caret (the insertion-point formatting); moving the caret drops it. A mixed selection reads as
// no value; setting no value (or a value out of range) changes nothing.
class RichTextBox : public QTextEdit, public FormatRangeSource {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // The whole plain text, CR LF between lines.
    QString Text() const;
    // Replaces the whole content with text (CR LF, LF or CR break lines), in the insertion-point
    // formatting and the caret's paragraph format; the caret goes to the start. Like a file
    // loaded, it clears the undo history.
    void setText(const QString& text);

    int SelStart() const;
    // Puts the caret at start, with an empty selection.
    void setSelStart(int start);
    int SelLength() const;
    // Selects length characters from the selection start.
    void setSelLength(int length);

    QString SelText() const;
    // Replaces the selection with text in the insertion-point formatting; the caret ends after it.
    void setSelText(const QString& text);

    // The selection as an RTF document.
    QByteArray SelRTF() const;
    // Replaces the selection with an RTF document, or with the text when it is no RTF (bytes
    // read as Windows-1252).
    void setSelRTF(const QByteArray& rtf);
    void setSelRTF(const QString& rtf);
    void setSelRTF(const char* rtf) { setSelRTF(QByteArray(rtf)); }

    std::optional<QString> SelFontName() const;
    void setSelFontName(const std::optional<QString>& name);
    std::optional<double> SelFontSize() const;
    void setSelFontSize(std::optional<double> points);
    std::optional<bool> SelBold() const;
    void setSelBold(std::optional<bool> on);
    std::optional<bool> SelItalic() const;
    void setSelItalic(std::optional<bool> on);
    std::optional<bool> SelUnderline() const;
    void setSelUnderline(std::optional<bool> on);
    std::optional<bool> SelStrikeThru() const;
    void setSelStrikeThru(std::optional<bool> on);
    // Colours as &H00BBGGRR.
    std::optional<std::uint32_t> SelColor() const;
    void setSelColor(std::optional<std::uint32_t> colour);
    // 0 left, 1 right, 2 centre.
    std::optional<int> SelAlignment() const;
    void setSelAlignment(std::optional<int> alignment);

    // Replaces the content with a file's: as RTF when it holds RTF (unless type is 1), else as
    // plain text in the encoding its bytes show (TextFile::decodeDocument). A file that cannot
    // be read leaves the box as it was, and error (when given) says why.
    bool LoadFile(const QString& path, int type = 0, QString* error = nullptr);
    QString FileName() const { return fileName_; }
    bool setFileName(const QString& path) { return LoadFile(path); }
    // Writes the content, replacing the file only once it is complete: type 0 RTF, type 1 plain
    // text with CR LF between paragraphs, in PlainTextEncoding. error (when given) says why not.
    bool SaveFile(const QString& path, int type = 0, QString* error = nullptr) const;
    // The encoding of the plain-text file last loaded, which a plain-text save writes; after an
    // RTF file, or for a new document, Windows-1252 while the text fits.
    TextFile::Encoding PlainTextEncoding() const { return plainTextEncoding_; }
    void setPlainTextEncoding(TextFile::Encoding encoding) { plainTextEncoding_ = encoding; }

    // Undoes the last edit.
    void Undo() { undo(); }

    // 0 default pointer, 5 size pointer.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);

    // The box rectangle in its container's pixels.
    int Left() const { return x(); }
    void setLeft(int left) { move(left, y()); }
    int Top() const { return y(); }
    void setTop(int top) { move(x(), top); }
    int Width() const { return width(); }
    void setWidth(int w) { resize(w, height()); }
    int Height() const { return height(); }
    void setHeight(int h) { resize(width(), h); }
    // What was last set: true unless the box was hidden, whether or not its window shows.
    bool Visible() const;
    void Move(int left, std::optional<int> top = {}, std::optional<int> w = {},
              std::optional<int> h = {});
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    void Refresh();
    // 0 brings the box to the front, 1 sends it to the back.
    void ZOrder(int position = 0);

    // The screen's twips per pixel the mouse events use.
    double twipsPerPixel() const;

    int TextLength() const override;
    int FormatRange(QPainter& painter, const QRect& rc, const QRect& rcPage, int cpMin, int cpMax,
                    bool render) override;

signals:
    // Every change of the content, by the user or by the program.
    void Change();
    void GotFocus();
    // keyCode and shift may be set to 0 to keep the key from the box.
    void KeyDown(int& keyCode, int& shift);
    void KeyUp(int& keyCode, int& shift);
    // x and y in twips from the box's top-left corner.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The document positions of the selection.
    int selectionFrom() const;
    int selectionTo() const;
    // What one character property reads over the selection, or at the caret when it is empty.
    template <typename T>
    std::optional<T> common(const std::function<T(const QTextCharFormat&)>& get) const;
    QFont effectiveFont(const QTextCharFormat& format) const;
    std::uint32_t colourOf(const QTextCharFormat& format) const;
    // Applies a character format to the selection, or to the insertion point.
    void mergeFormat(const QTextCharFormat& format);
    void mergeFlag(std::optional<bool> on, const std::function<void(QTextCharFormat&, bool)>& set);
    // The formatting text typed at the caret would take.
    QTextCharFormat insertionFormat() const;
    // An empty selection at a document position, with the formatting found there.
    void placeCaret(int position);
    void replaceSelection(const std::function<void(QTextCursor&)>& insert);
    // Replaces the whole content, starting from default formatting.
    void replaceContent(const std::function<void(QTextCursor&)>& insert);
    bool emitKey(QKeyEvent* event, void (RichTextBox::*signal)(int&, int&));
    void emitMouse(QMouseEvent* event, Qt::MouseButtons buttons,
                   void (RichTextBox::*signal)(int, int, float, float));

    QString fileName_;
    TextFile::Encoding plainTextEncoding_ = TextFile::Encoding::Utf8WhenNeeded;
    int mousePointer_ = 0;
};
