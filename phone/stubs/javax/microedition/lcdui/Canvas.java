package javax.microedition.lcdui;
public abstract class Canvas extends Displayable {
    public static final int UP = 1, DOWN = 6, LEFT = 2, RIGHT = 5, FIRE = 8;
    protected Canvas() {}
    public native void setFullScreenMode(boolean mode);
    public final native void repaint();
    public final native void serviceRepaints();
    public native int getGameAction(int keyCode);
    protected abstract void paint(Graphics g);
    protected native void keyPressed(int keyCode);
    protected native void keyReleased(int keyCode);
    protected native void pointerPressed(int x, int y);
    protected native void pointerReleased(int x, int y);
    protected native void pointerDragged(int x, int y);
    protected native void showNotify();
    protected native void hideNotify();
    protected native void sizeChanged(int w, int h);
}
