package java.lang;
public final class String {
    public String() {}
    public String(char[] value) {}
    public String(char[] value, int offset, int count) {}
    public String(byte[] bytes, int offset, int length) {}
    public String(StringBuffer buffer) {}
    public native int length();
    public native char charAt(int index);
    public native void getChars(int srcBegin, int srcEnd, char[] dst, int dstBegin);
    public native byte[] getBytes();
    public native boolean equals(Object o);
    public native boolean equalsIgnoreCase(String s);
    public native boolean startsWith(String prefix);
    public native int compareTo(String s);
    public native int hashCode();
    public native int indexOf(int ch);
    public native int indexOf(int ch, int from);
    public native int indexOf(String s, int from);
    public native int indexOf(String s);
    public native String substring(int begin);
    public native String substring(int begin, int end);
    public native String toLowerCase();
    public native String toUpperCase();
    public native String trim();
    public native char[] toCharArray();
    public native String toString();
    public static native String valueOf(Object o);
    public static native String valueOf(char c);
    public static native String valueOf(int i);
    public static native String valueOf(long l);
    public static native String valueOf(float f);
}
