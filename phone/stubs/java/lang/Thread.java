package java.lang;
public class Thread implements Runnable {
    public Thread() {}
    public Thread(Runnable target) {}
    public native void start();
    public void run() {}
    public static native void sleep(long ms) throws InterruptedException;
    public static native void yield();
    public static native Thread currentThread();
}
