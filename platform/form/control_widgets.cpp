// Widgets of the form's further control kinds.

#include "platform/form/control_widgets.h"

#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "platform/form/control_registry.h"
#include "platform/form/form_qt.h"

namespace pindora {
namespace {

const char* const kTabControlProperty = "pindoraTabControl";

// A tab control whose tabs are never shown: the program switches its pages itself, so the
// pages fill the control and their children are placed relative to the control.
QWidget* createTabControl(const ControlDescription& description, QWidget* parent) {
    auto* pages = new QStackedWidget(parent);
    pages->setProperty(kTabControlProperty, true);
    for (const Text& pageText : description.pageTexts) {
        auto* page = new QWidget(pages);
        page->setObjectName(toQString(pageText));
        pages->addWidget(page);
    }
    return pages;
}

// Lines exactly one font size apart, each blank half a font size wide (en spaces), as in the
// 9-point face the texts were laid out for: they leave blank room for link labels placed over
// them, which then sit where the room is.
QString evenlySpacedLines(const QString& text, int lineHeight) {
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char(' '), QChar(0x2002));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<div style=\"white-space:pre-wrap; line-height:%1px; -qt-line-height-type:fixed\">%2</div>").arg(lineHeight).arg(html);
}

QLabel* createLabel(const ControlDescription& description, QWidget* parent, bool transparent) {
    auto* label = new QLabel(displayText(description.text), parent);
    if (!transparent && label->font().pixelSize() > 0) {
        label->setTextFormat(Qt::RichText);
        label->setText(evenlySpacedLines(displayText(description.text), label->font().pixelSize()));
    }
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (transparent) {
        // No background: whatever lies below shows through; the text reads as a link.
        label->setAttribute(Qt::WA_TranslucentBackground);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0x1F, 0x5F, 0xBF));
        label->setPalette(palette);
    }
    return label;
}

}  // namespace

QString displayText(std::string_view cp936) { return toQString(cp936).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QIcon iconFromBytes(const std::vector<Bytes>& pictures) {
    QIcon icon;
    for (const Bytes& picture : pictures) {
        QPixmap pixmap;
        if (pixmap.loadFromData(picture.data(), static_cast<uint>(picture.size()))) icon.addPixmap(pixmap);
    }
    return icon;
}

QWidget* createOtherWidget(const ControlDescription& description, QWidget* parent) {
    switch (description.kind) {
        case ControlKind::TabControl:
            return createTabControl(description, parent);
        case ControlKind::PushButton:
            return new QPushButton(displayText(description.text), parent);
        case ControlKind::Label:
            return createLabel(description, parent, false);
        case ControlKind::TransparentLabel:
            return createLabel(description, parent, true);
        case ControlKind::EditBox: {
            auto* edit = new QPlainTextEdit(displayText(description.text), parent);
            edit->setReadOnly(true);
            return edit;
        }
        case ControlKind::Menu:
            return new QMenu(displayText(description.text), parent);
        case ControlKind::WebView: {
            auto* view = new QWidget(parent);
            view->hide();
            return view;
        }
        default:
            return new QWidget(parent);
    }
}

QWidget* childParent(QWidget* parent, const ControlDescription& child) {
    auto* pages = qobject_cast<QStackedWidget*>(parent);
    if (pages == nullptr || !pages->property(kTabControlProperty).toBool()) return parent;
    QWidget* page = pages->widget(child.page - 1);
    return page != nullptr ? page : parent;
}

void addMenuItem(QWidget* menu, const ControlDescription& item, ControlRef ref) {
    auto* asMenu = qobject_cast<QMenu*>(menu);
    if (asMenu == nullptr) return;
    QAction* action = asMenu->addAction(displayText(item.text));
    QObject::connect(action, &QAction::triggered, action, [ref] { deliverEvent(ref, FormEvent::Click); });
}

int currentTabPage(ControlRef tabControl) {
    auto* pages = qobject_cast<QStackedWidget*>(controlWidget(tabControl));
    return pages != nullptr ? pages->currentIndex() : -1;
}

void setCurrentTabPage(ControlRef tabControl, int index) {
    auto* pages = qobject_cast<QStackedWidget*>(controlWidget(tabControl));
    if (pages != nullptr && index >= 0 && index < pages->count()) pages->setCurrentIndex(index);
}

void popupMenu(ControlRef menu) {
    if (auto* asMenu = qobject_cast<QMenu*>(controlWidget(menu))) asMenu->popup(QCursor::pos());
}

}  // namespace pindora
