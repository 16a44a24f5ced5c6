package java.io;
public class PrintStream {
    public native void println(String s);
    public native void print(String s);
}
