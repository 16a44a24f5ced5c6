package java.lang;
public final class StringBuffer {
    public StringBuffer() {}
    public StringBuffer(int capacity) {}
    public StringBuffer(String s) {}
    public native int length();
    public native char charAt(int index);
    public native void setLength(int n);
    public native void setCharAt(int index, char c);
    public native StringBuffer append(Object o);
    public native StringBuffer append(String s);
    public native StringBuffer append(char c);
    public native StringBuffer append(int i);
    public native StringBuffer append(long l);
    public native StringBuffer append(float f);
    public native StringBuffer insert(int offset, char c);
    public native StringBuffer reverse();
    public native String toString();
}
