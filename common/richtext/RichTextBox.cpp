#include "common/richtext/RichTextBox.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"
#include "common/richtext/FormatRangeRenderer.h"
#include "common/richtext/PlainTextPositions.h"
#include "common/richtext/RichTextClipboard.h"
#include "common/richtext/Rtf.h"
#include "common/richtext/WindowsKeys.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr double kTwipsPerInch = 1440.0;

std::uint32_t toBgr(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

QColor fromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

int alignmentCode(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) {
        return 2;
    }
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing)) {
        return 1;
    }
    return 0;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    // The right button belongs to the callers (it drags the card picture), not to a menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    viewport()->setMouseTracking(true);
    // Like a desktop rich-text control, a box draws its selection only while it has the focus;
    // the selection itself is kept.
    QPalette look = palette();
    look.setBrush(QPalette::Inactive, QPalette::Highlight, QBrush());
    look.setBrush(QPalette::Inactive, QPalette::HighlightedText, QBrush());
    setPalette(look);
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::Change);
}

// ---- text and selection ----

QString RichTextBox::Text() const {
    return PlainTextPositions::text(*document(), 0, document()->characterCount() - 1);
}

void RichTextBox::setText(const QString& text) {
    QTextCursor cursor = textCursor();
    const QTextCharFormat format = insertionFormat();
    const QTextBlockFormat paragraph = cursor.blockFormat();
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(paragraph);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    cursor.endEditBlock();
    placeCaret(0);
    // Text set as a whole starts a new history, so an undo never brings back the old one.
    document()->clearUndoRedoStacks();
}

int RichTextBox::selectionFrom() const {
    return textCursor().selectionStart();
}

int RichTextBox::selectionTo() const {
    return textCursor().selectionEnd();
}

int RichTextBox::SelStart() const {
    return PlainTextPositions::fromDocument(*document(), selectionFrom());
}

void RichTextBox::setSelStart(int start) {
    if (start < 0) {
        return;
    }
    placeCaret(PlainTextPositions::toDocument(*document(), start));
}

int RichTextBox::SelLength() const {
    return PlainTextPositions::fromDocument(*document(), selectionTo()) - SelStart();
}

void RichTextBox::setSelLength(int length) {
    if (length < 0) {
        return;
    }
    const int start = SelStart();
    QTextCursor cursor(document());
    cursor.setPosition(PlainTextPositions::toDocument(*document(), start));
    cursor.setPosition(PlainTextPositions::toDocument(*document(), start + length),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::SelText() const {
    return PlainTextPositions::text(*document(), selectionFrom(), selectionTo());
}

void RichTextBox::setSelText(const QString& text) {
    const QTextCharFormat format = insertionFormat();
    replaceSelection([&](QTextCursor& cursor) { cursor.insertText(text, format); });
}

QByteArray RichTextBox::SelRTF() const {
    return Rtf::write(*document(), selectionFrom(), selectionTo());
}

void RichTextBox::setSelRTF(const QByteArray& rtf) {
    if (Rtf::isRtf(rtf)) {
        replaceSelection([&](QTextCursor& cursor) { Rtf::insert(rtf, cursor); });
    } else {
        setSelText(Cp1252::decode(rtf));
    }
}

void RichTextBox::setSelRTF(const QString& rtf) {
    // RTF is 8-bit text; anything else goes in as the characters it holds.
    const QByteArray bytes = Cp1252::encode(rtf);
    if (Rtf::isRtf(bytes)) {
        setSelRTF(bytes);
    } else {
        setSelText(rtf);
    }
}

void RichTextBox::replaceSelection(const std::function<void(QTextCursor&)>& insert) {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    insert(cursor);
    cursor.endEditBlock();
    // The caret takes the formatting of what was just inserted.
    placeCaret(cursor.position());
}

void RichTextBox::placeCaret(int position) {
    // A new cursor, so that no insertion-point formatting stays behind.
    QTextCursor caret(document());
    caret.setPosition(position);
    setTextCursor(caret);
}

// ---- character and paragraph formatting ----

QTextCharFormat RichTextBox::insertionFormat() const {
    const QTextCursor caret = textCursor();
    if (!caret.hasSelection()) {
        return caret.charFormat();
    }
    // Text typed over a selection takes the format of its first character.
    QTextCursor first(document());
    first.setPosition(caret.selectionStart() + 1);
    return first.charFormat();
}

QFont RichTextBox::effectiveFont(const QTextCharFormat& format) const {
    return format.font().resolve(document()->defaultFont());
}

std::uint32_t RichTextBox::colourOf(const QTextCharFormat& format) const {
    const QBrush brush = format.foreground();
    return toBgr(brush.style() == Qt::NoBrush ? palette().color(QPalette::Text) : brush.color());
}

template <typename T>
std::optional<T> RichTextBox::common(const std::function<T(const QTextCharFormat&)>& get) const {
    const int from = selectionFrom();
    const int to = selectionTo();
    std::optional<T> value;
    for (QTextBlock block = document()->findBlock(from);
         from < to && block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= from || fragment.position() >= to) {
                continue;
            }
            const T here = get(fragment.charFormat());
            if (!value) {
                value = here;
            } else if (*value != here) {
                return std::nullopt;
            }
        }
    }
    // An empty selection, or one of line breaks only, reads the caret's formatting.
    return value ? value : get(insertionFormat());
}

void RichTextBox::mergeFormat(const QTextCharFormat& format) {
    mergeCurrentCharFormat(format);
}

void RichTextBox::mergeFlag(std::optional<bool> on,
                            const std::function<void(QTextCharFormat&, bool)>& set) {
    if (on) {
        QTextCharFormat format;
        set(format, *on);
        mergeFormat(format);
    }
}

std::optional<QString> RichTextBox::SelFontName() const {
    return common<QString>([this](const QTextCharFormat& f) { return effectiveFont(f).family(); });
}

void RichTextBox::setSelFontName(const std::optional<QString>& name) {
    if (!name || name->trimmed().isEmpty()) {
        return;
    }
    QTextCharFormat format;
    format.setFontFamilies(QStringList{*name});
    mergeFormat(format);
}

std::optional<double> RichTextBox::SelFontSize() const {
    return common<double>([this](const QTextCharFormat& f) {
        const QFont font = effectiveFont(f);
        return font.pointSizeF() > 0 ? font.pointSizeF()
                                     : font.pixelSize() * 72.0 / std::max(logicalDpiY(), 1);
    });
}

void RichTextBox::setSelFontSize(std::optional<double> points) {
    // Sizes beyond what a font engine draws are refused like other bad values.
    if (!points || !(*points > 0) || *points > 1638) {
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(*points);
    mergeFormat(format);
}

std::optional<bool> RichTextBox::SelBold() const {
    return common<bool>(
        [this](const QTextCharFormat& f) { return effectiveFont(f).weight() >= QFont::DemiBold; });
}

void RichTextBox::setSelBold(std::optional<bool> on) {
    mergeFlag(on, [](QTextCharFormat& format, bool on) {
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    });
}

std::optional<bool> RichTextBox::SelItalic() const {
    return common<bool>([this](const QTextCharFormat& f) { return effectiveFont(f).italic(); });
}

void RichTextBox::setSelItalic(std::optional<bool> on) {
    mergeFlag(on, [](QTextCharFormat& format, bool on) { format.setFontItalic(on); });
}

std::optional<bool> RichTextBox::SelUnderline() const {
    return common<bool>([this](const QTextCharFormat& f) { return effectiveFont(f).underline(); });
}

void RichTextBox::setSelUnderline(std::optional<bool> on) {
    mergeFlag(on, [](QTextCharFormat& format, bool on) { format.setFontUnderline(on); });
}

std::optional<bool> RichTextBox::SelStrikeThru() const {
    return common<bool>([this](const QTextCharFormat& f) { return effectiveFont(f).strikeOut(); });
}

void RichTextBox::setSelStrikeThru(std::optional<bool> on) {
    mergeFlag(on, [](QTextCharFormat& format, bool on) { format.setFontStrikeOut(on); });
}

std::optional<std::uint32_t> RichTextBox::SelColor() const {
    return common<std::uint32_t>([this](const QTextCharFormat& f) { return colourOf(f); });
}

void RichTextBox::setSelColor(std::optional<std::uint32_t> colour) {
    if (colour) {
        QTextCharFormat format;
        format.setForeground(fromBgr(*colour));
        mergeFormat(format);
    }
}

std::optional<int> RichTextBox::SelAlignment() const {
    const QTextCursor caret = textCursor();
    QTextBlock block = document()->findBlock(caret.selectionStart());
    const QTextBlock last = document()->findBlock(caret.selectionEnd());
    const int code = alignmentCode(block.blockFormat().alignment());
    for (; block.isValid() && block != last; block = block.next()) {
        if (alignmentCode(block.next().blockFormat().alignment()) != code) {
            return std::nullopt;
        }
    }
    return code;
}

void RichTextBox::setSelAlignment(std::optional<int> alignment) {
    static constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignRight,
                                                    Qt::AlignHCenter};
    if (!alignment || *alignment < 0 || *alignment > 2) {
        return;
    }
    QTextBlockFormat format;
    format.setAlignment(kAlignments[*alignment]);
    textCursor().mergeBlockFormat(format);
}

// ---- files ----

bool RichTextBox::LoadFile(const QString& path, int type, QString* error) {
    const std::optional<QByteArray> bytes = FileSystem::readFile(path, error);
    if (!bytes) {
        return false;
    }
    if (type != 1 && Rtf::isRtf(*bytes)) {
        replaceContent([&](QTextCursor& cursor) { Rtf::read(*bytes, cursor); });
        plainTextEncoding_ = TextFile::Encoding::Utf8WhenNeeded;
    } else {
        // A file's plain text starts afresh, not in the formatting the caret last had.
        const TextFile::Document plain = TextFile::decodeDocument(*bytes);
        replaceContent(
            [&](QTextCursor& cursor) { cursor.insertText(plain.text, QTextCharFormat()); });
        plainTextEncoding_ = plain.encoding;
    }
    fileName_ = path;
    return true;
}

void RichTextBox::replaceContent(const std::function<void(QTextCursor&)>& insert) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.setCharFormat(QTextCharFormat());
    insert(cursor);
    cursor.endEditBlock();
    placeCaret(0);
    document()->clearUndoRedoStacks();
}

bool RichTextBox::SaveFile(const QString& path, int type, QString* error) const {
    if (type != 0 && type != 1) {
        if (error != nullptr) {
            *error = QStringLiteral("No such file type");
        }
        return false;
    }
    return FileSystem::replaceFile(
        path, type == 0 ? Rtf::write(*document()) : TextFile::encode(Text(), plainTextEncoding_),
        error);
}

// ---- the box as a window ----

void RichTextBox::setMousePointer(int shape) {
    if (shape == 0) {
        viewport()->setCursor(Qt::IBeamCursor);
    } else if (shape == 5) {
        viewport()->setCursor(Qt::SizeAllCursor);
    } else {
        return;
    }
    mousePointer_ = shape;
}

bool RichTextBox::Visible() const {
    return !testAttribute(Qt::WA_WState_ExplicitShowHide) || !isHidden();
}

void RichTextBox::Move(int left, std::optional<int> top, std::optional<int> w,
                       std::optional<int> h) {
    setGeometry(left, top.value_or(y()), w.value_or(width()), h.value_or(height()));
}

void RichTextBox::Refresh() {
    viewport()->repaint();
}

void RichTextBox::ZOrder(int position) {
    if (position == 0) {
        raise();
    } else {
        lower();
    }
}

double RichTextBox::twipsPerPixel() const {
    return kTwipsPerInch / std::max(logicalDpiX(), 1);
}

// ---- page rendering ----

int RichTextBox::TextLength() const {
    return PlainTextPositions::length(*document());
}

int RichTextBox::FormatRange(QPainter& painter, const QRect& rc, const QRect& /*rcPage*/, int cpMin,
                             int cpMax, bool render) {
    const int from = PlainTextPositions::toDocument(*document(), cpMin);
    const int to = cpMax < 0 ? -1 : PlainTextPositions::toDocument(*document(), cpMax);
    const int stop = FormatRangeRenderer::render(*document(), painter, rc, from, to, render);
    return stop == from ? cpMin : PlainTextPositions::fromDocument(*document(), stop);
}

// ---- clipboard ----

QMimeData* RichTextBox::createMimeDataFromSelection() const {
    return RichTextClipboard::mimeData(SelRTF(), SelText());
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && (!RichTextClipboard::rtf(*source).isEmpty() || source->hasText());
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr) {
        return;
    }
    if (const QByteArray rtf = RichTextClipboard::rtf(*source); !rtf.isEmpty()) {
        setSelRTF(rtf);
    } else if (source->hasText()) {
        setSelText(source->text());
    }
    ensureCursorVisible();
}

// ---- events ----

bool RichTextBox::emitKey(QKeyEvent* event, void (RichTextBox::*signal)(int&, int&)) {
    const int original = WindowsKeys::keyCode(*event);
    int keyCode = original;
    int shift = WindowsKeys::shiftState(event->modifiers());
    emit(this->*signal)(keyCode, shift);
    if (original != 0 && keyCode == 0) {
        event->accept();
        return false;
    }
    return true;
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (emitKey(event, &RichTextBox::KeyDown)) {
        QTextEdit::keyPressEvent(event);
    }
}

void RichTextBox::keyReleaseEvent(QKeyEvent* event) {
    // Held keys repeat their key down only.
    if (event->isAutoRepeat() || emitKey(event, &RichTextBox::KeyUp)) {
        QTextEdit::keyReleaseEvent(event);
    }
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    emit GotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent* event) {
    // A menu takes no focus from the box: the selection it acts on stays in sight.
    if (event->reason() == Qt::PopupFocusReason) {
        return;
    }
    QTextEdit::focusOutEvent(event);
}

void RichTextBox::emitMouse(QMouseEvent* event, Qt::MouseButtons buttons,
                            void (RichTextBox::*signal)(int, int, float, float)) {
    // Events arrive in viewport coordinates; callers measure from the box's corner.
    const QPointF atBox = event->position() + QPointF(viewport()->pos());
    const double twips = twipsPerPixel();
    emit(this->*signal)(
        WindowsKeys::buttonState(buttons), WindowsKeys::shiftState(event->modifiers()),
        static_cast<float>(atBox.x() * twips), static_cast<float>(atBox.y() * twips));
}

// The box's mouse events are its own: one the text edit passes over (the right button) must not
// reach the box's container as a press of its own.
void RichTextBox::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    emitMouse(event, event->button(), &RichTextBox::MouseDown);
    event->accept();
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    emitMouse(event, event->buttons(), &RichTextBox::MouseMove);
    event->accept();
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    emitMouse(event, event->button(), &RichTextBox::MouseUp);
    event->accept();
}
