#ifndef ZDETAILITEM_H
#define ZDETAILITEM_H

#include <QStringList>
#include <QWidget>

class ZDetailView;

// One row of a detail view: a title at the leading edge and text rows at the trailing edge.
// When the title and the first text do not fit on one line, the text moves to a line of its
// own, so nothing is cut off.
class ZDetailItem : public QWidget
{
    Q_OBJECT
public:
    enum Type {
        TitleOnly = 0,
        TitleAndText = 8,
    };

    // The item belongs to the view (or to nobody) from the start but shows only once the view
    // adds it (ZDetailView::addItem or insertItem).
    explicit ZDetailItem(int type = TitleAndText, ZDetailView *parent = nullptr);
    ~ZDetailItem() override;

    int type() const;

    void setTitle(const QString &title);
    QString title() const;

    // Appends a text row; returns its index.
    int appendTextRow(const QString &text);
    int appendSubItem(int subItemType, const QString &text);
    void setTextRow(int index, const QString &text);
    QString textRow(int index) const;
    QStringList textRows() const;
    void clearTextRows();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Piece
    {
        QRect rect;
        QString text;
        bool isTitle;
        bool wraps;
    };
    // Where each text goes at a given width, in left-to-right coordinates.
    QList<Piece> layoutPieces(int width, int *height) const;
    QFont titleFont() const;
    QFont textFont() const;
    void contentChanged();

    int m_type;
    QString m_title;
    QStringList m_texts;
};

#endif
