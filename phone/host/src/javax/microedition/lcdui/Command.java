package javax.microedition.lcdui;

public class Command {
    public static final int EXIT = 7;
    private final String label;

    public Command(String label, int type, int priority) {
        this.label = label;
    }

    public String getLabel() {
        return label;
    }
}
