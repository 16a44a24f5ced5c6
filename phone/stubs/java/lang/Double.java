package java.lang;
public final class Double {
    public static final double NaN = 0.0d / 0.0;
    public static native double parseDouble(String s) throws NumberFormatException;
}
