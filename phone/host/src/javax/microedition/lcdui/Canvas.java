package javax.microedition.lcdui;

import orbhost.Phone;

/** Painting goes straight into the phone's frame; input arrives from the host's script. */
public abstract class Canvas extends Displayable {
    public static final int UP = 1, DOWN = 6, LEFT = 2, RIGHT = 5, FIRE = 8;

    protected Canvas() {}

    public void setFullScreenMode(boolean mode) {}

    public final void repaint() {
        Phone.current().repaint(this);
    }

    public final void serviceRepaints() {}

    public int getGameAction(int keyCode) {
        return 0;
    }

    protected abstract void paint(Graphics g);

    protected void keyPressed(int keyCode) {}

    protected void keyReleased(int keyCode) {}

    protected void pointerPressed(int x, int y) {}

    protected void pointerReleased(int x, int y) {}

    protected void pointerDragged(int x, int y) {}

    protected void showNotify() {}

    protected void hideNotify() {}

    /**
     * Like some phones, the canvas learns a new size only from its own
     * sizeChanged: a subclass that does not pass it on keeps the old size.
     */
    private int width = -1, height = -1;

    protected void sizeChanged(int w, int h) {
        width = w;
        height = h;
    }

    public int getWidth() {
        return width < 0 ? super.getWidth() : width;
    }

    public int getHeight() {
        return height < 0 ? super.getHeight() : height;
    }

    public void hostPaint(Graphics g) {
        paint(g);
    }

    public void hostKey(int keyCode) {
        keyPressed(keyCode);
        keyReleased(keyCode);
    }

    public void hostTouch(int x, int y) {
        pointerPressed(x, y);
        pointerReleased(x, y);
    }

    /** Single events, for scripts that hold keys and drag the pointer. */
    public void hostKeyDown(int keyCode) {
        keyPressed(keyCode);
    }

    public void hostKeyUp(int keyCode) {
        keyReleased(keyCode);
    }

    public void hostPointerPressed(int x, int y) {
        pointerPressed(x, y);
    }

    public void hostPointerDragged(int x, int y) {
        pointerDragged(x, y);
    }

    public void hostPointerReleased(int x, int y) {
        pointerReleased(x, y);
    }

    public void hostSizeChanged(int w, int h) {
        sizeChanged(w, h);
    }
}
