package java.lang;
public final class Integer {
    public static final int MIN_VALUE = 0x80000000;
    public static final int MAX_VALUE = 0x7fffffff;
    public static native int parseInt(String s) throws NumberFormatException;
    public static native int parseInt(String s, int radix) throws NumberFormatException;
    public static native String toString(int i);
    public static native String toString(int i, int radix);
    public static native String toHexString(int i);
}
