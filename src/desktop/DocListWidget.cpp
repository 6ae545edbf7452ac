#include "desktop/DocListWidget.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;

// Enter opens the current document, as a double-click does.
class CEnterOpens : public QObject
{
public:
    using QObject::QObject;
    std::function<void()> m_open;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::KeyPress) {
            const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
            if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter) {
                m_open();
                return true;
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }
};

// Measures its titles in the window's own font. Qt's header measures them in bold, in case
// a section is drawn highlighted; these never are, and the bold font would be one more font
// file to load before the first window shows.
class CPlainHeader : public QHeaderView
{
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int nSection) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = nSection;
        option.text = model()->headerData(nSection, orientation()).toString();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

} // namespace

CDocListWidget::CDocListWidget(QWidget* pParent) : QWidget(pParent)
{
    setObjectName(QStringLiteral("documentList"));
    // One plain label in the window's font: a rich-text or bold one would lay out a text
    // document or load a second font before the first window shows.
    auto* pTitle = new QLabel(QStringLiteral("%1 — %2").arg(
        CStringTable::Load(IDS_DOCLIST_TITLE), CStringTable::Load(IDS_DOCLIST_ALL_FOLDERS)));
    m_pList = new QTreeWidget;
    m_pList->setObjectName(QStringLiteral("documents"));
    auto* pHeader = new CPlainHeader(Qt::Horizontal, m_pList);
    // What a tree view's own header has.
    pHeader->setSectionsMovable(true);
    pHeader->setStretchLastSection(true);
    pHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pList->setHeader(pHeader);
    m_pList->setHeaderLabels({CStringTable::Load(IDS_DOCLIST_NAME),
                              CStringTable::Load(IDS_DOCLIST_FOLDER),
                              CStringTable::Load(IDS_DOCLIST_MODIFIED)});
    m_pList->setRootIsDecorated(false);
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pEmpty = new QLabel;
    m_pEmpty->setWordWrap(true);
    auto* pNew = new QPushButton(CStringTable::Load(IDS_DOCLIST_NEW));
    pNew->setObjectName(QStringLiteral("newDocument"));
    auto* pOpen = new QPushButton(CStringTable::Load(IDS_DOCLIST_OPEN));
    pOpen->setObjectName(QStringLiteral("openDocument"));

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOpen);
    pButtons->addWidget(pNew);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pTitle);
    pLayout->addWidget(m_pList);
    pLayout->addWidget(m_pEmpty);
    pLayout->addLayout(pButtons);

    auto* pEnter = new CEnterOpens(this);
    pEnter->m_open = [this] { OpenItem(m_pList->currentItem()); };
    m_pList->installEventFilter(pEnter);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* pItem) { OpenItem(pItem); });
    connect(pOpen, &QPushButton::clicked, this, [this] { OpenItem(m_pList->currentItem()); });
    connect(pNew, &QPushButton::clicked, this, &CDocListWidget::NewRequested);
}

void CDocListWidget::Refresh(const QString& strFolder)
{
    QFileInfoList files;
    // Matched by hand: a name filter would start the regular-expression engine while the
    // window opens.
    QDirIterator it(strFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().endsWith(u".kv", Qt::CaseInsensitive))
            files.append(it.fileInfo());
    }
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() > b.lastModified();
    });
    m_pList->clear();
    const QDir root(strFolder);
    for (const QFileInfo& file : std::as_const(files)) {
        auto* pItem = new QTreeWidgetItem(
            m_pList, {file.completeBaseName(),
                      QDir::toNativeSeparators(root.relativeFilePath(file.absolutePath())),
                      QLocale().toString(file.lastModified(), QLocale::ShortFormat)});
        pItem->setData(0, kPathRole, file.absoluteFilePath());
    }
    m_pList->setCurrentItem(m_pList->topLevelItem(0));
    m_pEmpty->setText(files.isEmpty() ? CStringTable::Format(IDS_DOCLIST_EMPTY,
                                                             {QDir::toNativeSeparators(strFolder)})
                                      : QString());
    m_pEmpty->setVisible(files.isEmpty());
    m_pList->setFocus();
}

void CDocListWidget::OpenItem(QTreeWidgetItem* pItem)
{
    if (pItem)
        emit OpenRequested(pItem->data(0, kPathRole).toString());
}
