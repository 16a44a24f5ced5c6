// A presenter that composes frames in CPU memory: the headless runtime and the
// tests use it, and its last frame is what a snapshot writes.
#pragma once

#include "screen/presenter.h"

class SoftwarePresenter final : public Presenter {
public:
    SoftwarePresenter(int width, int height);
    void resize(int width, int height);  // the screen control after a rotation

    void beginScene() override;
    void drawImage(const ArgbImage& image, bool changed, Rect source, Point dest, Rect clip,
                   bool useAlpha) override;
    void fillRect(Rect area, uint32_t colour) override;
    void endScene() override;

    const ArgbImage& lastFrame() const { return shown_; }
    int framesPresented() const { return presented_; }

private:
    ArgbImage scene_;
    ArgbImage shown_;
    int presented_ = 0;
};
