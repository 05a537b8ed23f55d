#ifndef ZJUMPBOX_H
#define ZJUMPBOX_H

#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;

// The incremental-search field of a list: a label and a short line edit. activate shows it,
// gives it the focus and types the key that opened it. Every change of the text is reported by
// sigTextChanged; editing it back to empty reports clearAllText. The centre key (Return)
// hides the box, hands the focus back and passes that key on to the widget that had it,
// after which isHideByCSK is true. Up and Down go to that widget too, the box keeping the focus.
class ZJumpBox : public QWidget
{
    Q_OBJECT
public:
    explicit ZJumpBox(const QString &label, QWidget *parent = nullptr, int maxLength = 9,
                      int skinWidgetClass = 0, const char *name = nullptr);
    ~ZJumpBox() override;

    QLineEdit *getLineEdit() const;
    QString text() const;
    int skinWidgetClass() const;

    void activate(QKeyEvent *event = nullptr);
    bool isHideByCSK() const;
    // The handset's modal editing of the line edit; kept as a flag.
    void setModalEditing(bool on);
    bool isModalEditing() const;

signals:
    void sigTextChanged(const QString &text);
    void clearAllText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void textEdited(const QString &text);

private:
    void handBack(QKeyEvent *event, bool moveFocus);

    QLabel *m_label;
    QLineEdit *m_edit;
    int m_skinWidgetClass;
    bool m_hideByCSK = false;
    bool m_modalEditing = false;
    QPointer<QWidget> m_previousFocus;
};

#endif
