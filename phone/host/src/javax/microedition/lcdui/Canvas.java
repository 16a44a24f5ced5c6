package javax.microedition.lcdui;

import orbhost.Phone;

/** Painting goes straight into the phone's frame; input arrives from the host's script. */
public abstract class Canvas extends Displayable {
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
}
