#pragma once
#include <QMainWindow>

#include "app/app_context.h"

namespace varnel {

class frmVarnel : public QMainWindow {
    Q_OBJECT
public:
    explicit frmVarnel(AppContext& context, QWidget* parent = nullptr);
    void Form_Load();
    bool isClosed() const { return closed_; }

private:
    AppContext& ctx_;
    bool closed_ = false;
};

}  // namespace varnel
