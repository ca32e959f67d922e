#include "board/boarddisplay.h"

#include "assets/bitmapresources.h"
#include "board/boardlabel.h"
#include "board/imagecontrol.h"
#include "platform/error.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace zub {

namespace {

// What one control, menu item or timer shows of its flag; the control is of the kind its flag's type
// belongs to (a label for a Label, a timer for TimerFlags). A bitmap resource that fails leaves `error`.
struct FlagShower
{
    QObject* control;
    QString& shownResource; // the resource name the image shows, even one that failed to load
    QString& error;

    QWidget* widget() const { return static_cast<QWidget*>(control); }

    void setShown(bool visible) const
    {
        if (widget()->isHidden() == visible)
            widget()->setVisible(visible);
    }

    void operator()(const Label& flag) const
    {
        static_cast<BoardLabel*>(control)->setCaption(flag.Caption);
        if (widget()->x() != flag.Left)
            widget()->move(flag.Left, widget()->y());
        setShown(flag.Visible);
    }

    void operator()(const ClickArea& flag) const
    {
        if (widget()->isEnabled() != flag.Enabled)
            widget()->setEnabled(flag.Enabled);
    }

    void operator()(const Picture& flag) const { setShown(flag.Visible); }
    void operator()(const Panel& flag) const { setShown(flag.Visible); }

    void operator()(const Place& flag) const
    {
        if (widget()->pos() != QPoint(flag.Left, flag.Top))
            widget()->move(flag.Left, flag.Top);
    }

    // A high-score label's caption or the name field's text.
    void operator()(const QString& text) const
    {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            if (edit->text() != text)
                edit->setText(text);
            return;
        }
        static_cast<BoardLabel*>(control)->setCaption(text);
    }

    void operator()(const ResourceImage& flag) const
    {
        if (flag.ResourceName == shownResource)
            return;
        // The name counts as shown even when it fails, so one broken resource is reported once, not after
        // every click; the image keeps its previous picture.
        shownResource = flag.ResourceName;
        auto* image = static_cast<ImageControl*>(control);
        if (flag.ResourceName.isEmpty()) {
            image->setPicture({});
            return;
        }
        try {
            image->setPicture(LoadFromResourceName(flag.ResourceName));
        } catch (const Error& e) {
            if (error.isEmpty())
                error = e.message();
        }
    }

    void operator()(const MenuItem& flag) const
    {
        auto* action = static_cast<QAction*>(control);
        if (action->isEnabled() != flag.Enabled)
            action->setEnabled(flag.Enabled);
        if (action->isChecked() != flag.Checked)
            action->setChecked(flag.Checked);
    }

    void operator()(const TimerFlags& flag) const
    {
        auto* timer = static_cast<QTimer*>(control);
        if (timer->interval() != flag.Interval)
            timer->setInterval(flag.Interval);
        if (flag.Enabled && !timer->isActive())
            timer->start();
        else if (!flag.Enabled && timer->isActive())
            timer->stop();
    }
};

} // namespace

BoardDisplay::BoardDisplay(QWidget& window, const BoardControls& controls)
    : m_window(window), m_controls(controls), m_shownResource(controls.shown.size())
{}

void BoardDisplay::show(const ComponentFlags& flags)
{
    if (m_window.windowTitle() != flags.Caption)
        m_window.setWindowTitle(flags.Caption);

    QString error;
    for (std::size_t i = 0; i < m_controls.shown.size(); ++i) {
        const FlagShower shower{m_controls.shown[i].control, m_shownResource[i], error};
        std::visit(
            [&](const auto& flagOf) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(flagOf)>, std::monostate>)
                    shower(flagOf(flags));
            },
            m_controls.shown[i].flag);
    }
    if (!error.isEmpty())
        throw Error(error);
}

} // namespace zub
