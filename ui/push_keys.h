#pragma once

#include <QObject>
#include <QPoint>

class AreaDescription;
class ImageView;
class QKeyEvent;
class QPainter;
class TForm1;

// A push with the keys of the drawing area, once Tab or a press has brought
// them there: N or ] chooses the next particle, P or [ the one before, the
// arrow keys set the push in pixels (one a press, ten with Shift), Enter or
// Return pushes, Escape cancels. A push is the press and the release a mouse
// would make (KeyboardPush), through the form's one way in. Each key's answer
// is told to a screen reader; the chosen particle's mark (and, once the body
// has turned, where a press grabs it), the push's band and the area's focus
// frame are drawn over the picture, never into it.
class PushKeys : public QObject {
public:
    // Longest push the arrow keys set, in pixels either way: the largest
    // drawing area a script replays.
    static constexpr int kLongestPush = 16384;

    PushKeys(TForm1& form, ImageView& area, AreaDescription& description);

    // The chosen particle's index, or −1.
    int Chosen() const;
    // The push in pixels, y down.
    QPoint Push() const { return push_; }
    // Whether the area shows its focus frame: it has the focus and did not get
    // it from a press, which needs no frame to be seen.
    bool ShowsFocus() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(const QKeyEvent& key);
    void Choose(int by);
    void Move(int dx, int dy);
    void Apply();
    bool Cancel();
    void SayChosen();
    void Paint(QPainter& painter) const;

    TForm1& form_;
    ImageView& area_;
    AreaDescription& description_;
    int chosen_ = -1;
    QPoint push_;
    bool focusFromKeys_ = false;
};
