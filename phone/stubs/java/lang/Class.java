package java.lang;
public final class Class {
    public static native Class forName(String name) throws ClassNotFoundException;
    public native Object newInstance() throws InstantiationException, IllegalAccessException;
    public native java.io.InputStream getResourceAsStream(String name);
    public native String getName();
}
