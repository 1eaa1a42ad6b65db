#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillbox {

class SkinLabel;

// "About Quillbox": the program's name, version, owner and website, with the owner's notice.
// Shown modeless; a closed About window is made again at the next request.
class AboutWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

    // Caption and texts from the branding values, then the skin.
    void load();

    // The fixed notice under the details.
    static QString ownershipNotice();

private:
    QLabel* pictureBox = nullptr;
    QLabel* productLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* companyLabel = nullptr;
    QLabel* websiteCaption = nullptr;
    QLabel* websiteLabel = nullptr;
    QLabel* noticeLabel = nullptr;
    QPushButton* okButton = nullptr;
    SkinLabel* skinLabels = nullptr; // element 0 of SkinLabel1
};

} // namespace quillbox
