// The main window's menu bar and tool bar, both built from the one table of commands.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

#include "graphics/qt/FontFaces.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/qt/MainCommandTable.h"
#include "mainwindow/qt/MainForm.h"
#include "mainwindow/qt/ToolBarIcons.h"

namespace lm {

namespace {

constexpr int kLargestMenuPixels = 13;
constexpr int kSmallestMenuPixels = 10;
constexpr int kToolBarHeight = 25;
constexpr int kToolButtonWidth = 30;
constexpr int kLastToolButtonWidth = 24;

// The platform's look with a little less room around each menu-bar caption.
class CompactMenuBarStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem) s.rwidth() = std::max(size.width(), s.width() - 2);
        return s;
    }
};

}  // namespace

void MainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    std::map<std::string_view, QMenu*> menus;
    const auto menuOf = [&](std::string_view name) {
        QMenu*& menu = menus[name];
        if (menu == nullptr) {
            const auto table = MainMenus();
            const auto found = std::find_if(table.begin(), table.end(),
                                            [name](const MainMenuEntry& m) { return name == m.name; });
            menu = bar->addMenu(found != table.end() ? found->caption : "");
            menu->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
        return menu;
    };
    for (const MainCommand& c : MainCommands()) {
        if (c.fill != nullptr) {
            QMenu* menu = menuOf(c.menu);
            if (c.separatorBefore) menu->addSeparator();
            QMenu* sub = menu->addMenu(c.caption);
            sub->setObjectName(c.name);
            connect(sub, &QMenu::aboutToShow, this, [this, sub, fill = c.fill] { (this->*fill)(sub); });
            commandActions_.push_back(sub->menuAction());
            continue;
        }
        auto* a = new QAction(c.caption, this);
        a->setObjectName(c.name);
        if (c.shortcut != QKeySequence::UnknownKey) a->setShortcut(c.shortcut);
        connect(a, &QAction::triggered, this, c.run);
        if (c.menu == nullptr) {
            bar->addAction(a);
        } else {
            QMenu* menu = menuOf(c.menu);
            if (c.separatorBefore) menu->addSeparator();
            menu->addAction(a);
        }
        commandActions_.push_back(a);
    }

    // The geometry-error indicator: a picture only, shown by the render for a few ticks.
    Error = new QAction(MakeErrorIcon(), QString(), this);
    Error->setObjectName("Error");
    Error->setToolTip("Geometry error");
    bar->addAction(Error);
    FitMenuBar(bar);
    Error->setVisible(false);
}

void MainForm::BuildToolBar() {
    // A plain child of the client area, not a docked bar: the control coordinates below
    // it count from the client area's top.
    ToolBar1 = new QToolBar(centralWidget());
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(0, 0, kClientAreaWidth, kToolBarHeight);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(kToolPictureSize, kToolPictureSize));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->setAttribute(Qt::WA_NoMousePropagation);

    const auto commands = MainCommands();
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < commands.size(); ++i)
        if (commands[i].tool.order > 0) order.push_back(i);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return commands[a].tool.order < commands[b].tool.order; });
    toolActions_.assign(commands.size(), nullptr);
    for (std::size_t i : order) {
        const MainCommand& c = commands[i];
        if (c.tool.startsGroup) ToolBar1->addSeparator();
        QAction* a = ToolBar1->addAction(MakeToolIcon(c.tool.picture), c.tool.hint);
        a->setToolTip(c.tool.hint);
        a->setObjectName(QString("ToolAction%1").arg(c.tool.order));
        connect(a, &QAction::triggered, this, c.run);
        if (auto* b = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(a))) {
            b->setObjectName(QString("ToolButton%1").arg(c.tool.order));
            // The last button is a little narrower so the bar still holds every button
            // at the normal window width.
            b->setFixedWidth(i == order.back() ? kLastToolButtonWidth : kToolButtonWidth);
            b->setAutoRaise(true);
        }
        toolActions_[i] = a;
    }
}

QAction* MainForm::Command(std::string_view name) const {
    const auto commands = MainCommands();
    for (std::size_t i = 0; i < commands.size(); ++i)
        if (name == commands[i].name) return commandActions_[i];
    return nullptr;
}

void MainForm::ShowCommandStates() {
    const DisplayState& d = model_.Display;
    const auto commands = MainCommands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        bool usable = true;
        switch (commands[i].enabled) {
            case EnabledRule::Always: break;
            case EnabledRule::WithScreenData: usable = d.ScreenDataOn; break;
            case EnabledRule::WithoutScreenData: usable = !d.ScreenDataOn; break;
            case EnabledRule::WithRefPoints: usable = d.RefPointsOn; break;
            case EnabledRule::ShownWithScreenData: commandActions_[i]->setVisible(d.ScreenDataOn); continue;
        }
        commandActions_[i]->setEnabled(usable);
        if (toolActions_[i] != nullptr) toolActions_[i]->setEnabled(usable);
    }
}

// Every item stays on the bar, the error picture included, rather than in an overflow
// list: the window is only as wide as its client area. A compact sans face is preferred,
// and made smaller as far as needed.
void MainForm::FitMenuBar(QMenuBar* bar) {
    // Disabled captions in the grey they have on the classic desktop, readable on silver.
    QPalette palette = bar->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    bar->setPalette(palette);

    auto* style = new CompactMenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    QFont font = bar->font();
    font.setFamilies(FontFamilies(FontFace::Plain) << font.family());
    for (int px = kLargestMenuPixels; px >= kSmallestMenuPixels; --px) {
        font.setPixelSize(px);
        bar->setFont(font);
        if (bar->sizeHint().width() <= kClientAreaWidth) break;
    }
}

}  // namespace lm
