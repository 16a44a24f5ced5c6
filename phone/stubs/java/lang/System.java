package java.lang;
public final class System {
    public static native long currentTimeMillis();
    public static native void arraycopy(Object src, int srcPos, Object dst, int dstPos, int length);
    public static native void gc();
}
