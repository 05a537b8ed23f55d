#ifndef ZSCROLLPANEL_H
#define ZSCROLLPANEL_H

#include <QScrollArea>

// The scrolling content area of a full-screen window. Children and layouts go on viewport(),
// a canvas as wide as the panel that grows with its content; the panel scrolls vertically when
// the canvas is taller than the panel.
class ZScrollPanel : public QScrollArea
{
    Q_OBJECT
public:
    explicit ZScrollPanel(QWidget *parent = nullptr, const char *name = nullptr, int skinWidgetClass = 0);
    ~ZScrollPanel() override;

    QWidget *viewport() const;

    // Whether children are clipped to a separate area; the canvas always clips, so this is
    // only remembered.
    void enableClipper(bool enable);
    bool hasClipper() const;

    int skinWidgetClass() const;

private:
    QWidget *m_canvas;
    bool m_clipper = true;
    int m_skinWidgetClass;
};

#endif
