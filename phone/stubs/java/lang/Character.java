package java.lang;
public final class Character {
    public static native boolean isDigit(char c);
    public static native char toUpperCase(char c);
    public static native char toLowerCase(char c);
}
